#include "printer.h"

#include "latin1.h"

#include "carnival/data_error.h"
#include "carnival/paths.h"
#include "carnival/text_files.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace platform {

namespace {

std::unique_ptr<PrintBackend>& currentBackend()
{
    static std::unique_ptr<PrintBackend> backend;
    return backend;
}

} // namespace

void Printer::setFontSize(double points) { backend().setFontSize(points); }
void Printer::setBold(bool on) { backend().setBold(on); }
void Printer::setUnderline(bool on) { backend().setUnderline(on); }
void Printer::setFontName(const QString& name) { backend().setFontName(name); }
void Printer::printLine(const carnival::PrintLine& line) { backend().printLine(line); }
std::optional<QString> Printer::endDoc() { return backend().endDoc(); }

void Printer::setBackend(std::unique_ptr<PrintBackend> backend)
{
    currentBackend() = std::move(backend);
}

PrintBackend& Printer::backend()
{
    if (!currentBackend())
        currentBackend() = std::make_unique<SystemPrintBackend>();
    return *currentBackend();
}

// ---- The recording backend of the tests ----

void RecordingPrintBackend::setFontSize(double points)
{
    operations.push_back({ PrintOperation::Kind::FontSize, points, false, {}, {} });
}

void RecordingPrintBackend::setBold(bool on)
{
    operations.push_back({ PrintOperation::Kind::Bold, 0, on, {}, {} });
}

void RecordingPrintBackend::setUnderline(bool on)
{
    operations.push_back({ PrintOperation::Kind::Underline, 0, on, {}, {} });
}

void RecordingPrintBackend::setFontName(const QString& name)
{
    operations.push_back({ PrintOperation::Kind::FontName, 0, false, name, {} });
}

void RecordingPrintBackend::printLine(const carnival::PrintLine& line)
{
    const auto characters = [](std::string_view text) { return static_cast<double>(text.size()); };
    for (auto& placed : carnival::layOutPrintLine(line, 14, characters))
        operations.push_back({ PrintOperation::Kind::Line, 0, false, {}, std::move(placed) });
}

std::optional<QString> RecordingPrintBackend::endDoc()
{
    operations.push_back({ PrintOperation::Kind::EndDoc, 0, false, {}, {} });
    return failure;
}

QStringList RecordingPrintBackend::transcript() const
{
    QStringList lines;
    for (const PrintOperation& op : operations) {
        switch (op.kind) {
        case PrintOperation::Kind::FontSize: lines << "size " + QString::number(op.size); break;
        case PrintOperation::Kind::Bold: lines << QString("bold ") + (op.on ? "on" : "off"); break;
        case PrintOperation::Kind::Underline: lines << QString("underline ") + (op.on ? "on" : "off"); break;
        case PrintOperation::Kind::FontName: lines << "font " + op.name; break;
        case PrintOperation::Kind::EndDoc: lines << "end"; break;
        case PrintOperation::Kind::Line: {
            QString line = "line";
            for (const auto& placed : op.placed)
                line += (line == "line" ? " [" : "[") + QString::number(placed.zone) + "]" + qtext(placed.text);
            lines << line;
            break;
        }
        }
    }
    return lines;
}

// ---- Qt's printing ----

namespace {

using JobLine = SystemPrintBackend::JobLine;

QFont fontOf(const SystemPrintBackend::Style& style)
{
    QFont font(style.fontName);
    font.setPointSizeF(style.size);
    font.setBold(style.bold);
    font.setUnderline(style.underline);
    if (style.fontName.compare("Courier New", Qt::CaseInsensitive) == 0) {
        // Where the font itself is missing, the stand-in must still be
        // fixed-width so that columns line up.
        font.setStyleHint(QFont::TypeWriter);
        font.setFixedPitch(true);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

// The texts of the job's first line that prints anything.
QString jobTitle(const std::vector<JobLine>& job)
{
    for (const JobLine& entry : job) {
        QStringList texts;
        for (const auto& item : entry.line)
            texts << qtext(item.printed());
        const QString title = texts.join(' ').simplified();
        if (!title.isEmpty())
            return title;
    }
    return QStringLiteral("Printout");
}

QString safeFileName(const QString& text)
{
    QString name;
    for (const QChar c : text)
        name += (c.isLetterOrNumber() && c.unicode() < 0x80) || QStringLiteral(" -_+(),").contains(c) ? c : QChar('_');
    name = name.simplified().left(80).trimmed();
    return name.isEmpty() ? QStringLiteral("Printout") : name;
}

const QString kPrintoutFolder = QStringLiteral("printouts");

// The program path of a file in the printout folder not used before:
// "<title> <date time>.pdf", with " (2)", " (3)" ... added when that name is
// taken. The name holds no separator, so the path stays in the folder.
std::string newPdfPath(const QString& title)
{
    const QString base = kPrintoutFolder + "\\" + safeFileName(title) + " "
        + QDateTime::currentDateTime().toString("yyyy-MM-dd HH-mm-ss");
    QString path = base + ".pdf";
    for (int n = 2; carnival::pathExists(bytes(path)); ++n)
        path = base + " (" + QString::number(n) + ").pdf";
    return bytes(path);
}

// One printed line of the job, laid out in its font.
struct PrintedRow {
    QFont font;
    double ascent = 0;
    double height = 0;
    double lineSpacing = 0;
    std::vector<carnival::PlacedText> texts;
};

// Lays out every line of the job for the device; `widest` is the right end
// of the widest printed line.
std::vector<PrintedRow> layOutJob(const std::vector<JobLine>& job, const QPaintDevice* device, double& widest)
{
    std::vector<PrintedRow> rows;
    widest = 0;
    for (const JobLine& entry : job) {
        const QFont font = fontOf(entry.style);
        const QFontMetricsF metrics(font, device);
        const auto widthOf = [&](std::string_view text) { return metrics.horizontalAdvance(qtext(text)); };
        for (auto& texts : carnival::layOutPrintLine(entry.line, 14 * metrics.averageCharWidth(), widthOf)) {
            for (const auto& placed : texts)
                widest = std::max(widest, placed.x + widthOf(placed.text));
            rows.push_back({ font, metrics.ascent(), metrics.height(), metrics.lineSpacing(), std::move(texts) });
        }
    }
    return rows;
}

// The printer and the PDF writer both page; `resolution` is the device's.
QRect paintRect(const QPagedPaintDevice& device, int resolution)
{
    return device.pageLayout().paintRectPixels(resolution);
}

// Lines flow down the page from the top margin; a line that does not fit
// starts a new page. A job wider than the page turns the page sideways, and
// is made smaller if it is still too wide, so that no text is cut off.
bool render(QPagedPaintDevice& device, int resolution, const std::vector<JobLine>& job)
{
    device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    double widest = 0;
    const std::vector<PrintedRow> rows = layOutJob(job, &device, widest);
    if (widest > paintRect(device, resolution).width())
        device.setPageOrientation(QPageLayout::Landscape);
    const double pageWidth = paintRect(device, resolution).width();
    const double scale = widest > pageWidth ? pageWidth / widest : 1.0;

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(scale, scale);
    const double pageHeight = paintRect(device, resolution).height() / scale;
    double y = 0;
    for (const PrintedRow& row : rows) {
        if (y > 0 && y + row.height > pageHeight) {
            if (!device.newPage())
                return false;
            y = 0;
        }
        painter.setFont(row.font);
        for (const auto& placed : row.texts)
            painter.drawText(QPointF(placed.x, y + row.ascent), qtext(placed.text));
        y += row.lineSpacing;
    }
    return painter.end();
}

} // namespace

SystemPrintBackend::SystemPrintBackend(Destination destination)
    : destination_(destination)
{
}

void SystemPrintBackend::setFontSize(double points) { style_.size = points; }
void SystemPrintBackend::setBold(bool on) { style_.bold = on; }
void SystemPrintBackend::setUnderline(bool on) { style_.underline = on; }
void SystemPrintBackend::setFontName(const QString& name) { style_.fontName = name; }

void SystemPrintBackend::printLine(const carnival::PrintLine& line)
{
    job_.push_back({ style_, line });
}

std::optional<QString> SystemPrintBackend::endDoc()
{
    const std::vector<JobLine> job = std::move(job_);
    job_.clear();
    lastPdfFile_.clear();
    const QString title = jobTitle(job);

    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (destination_ == Destination::DefaultPrinterOrPdf && !defaultPrinter.isNull()) {
        QPrinter printer(defaultPrinter, QPrinter::HighResolution);
        printer.setDocName(title);
        if (!render(printer, printer.resolution(), job))
            return QString("The printout \"%1\" could not be sent to the printer \"%2\".")
                .arg(title, defaultPrinter.printerName());
        return std::nullopt;
    }
    return savePdf(title, job);
}

// Qt's PDF writer does not report a failed write, so the document is made in
// memory and written through the file layer, which leaves the file whole or
// not at all.
std::optional<QString> SystemPrintBackend::savePdf(const QString& title, const std::vector<JobLine>& job)
{
    if (!QDir::current().mkpath(kPrintoutFolder))
        return QString("The printout \"%1\" could not be saved: the folder \"%2\" cannot be made.")
            .arg(title, QDir::current().filePath(kPrintoutFolder));
    const std::string path = newPdfPath(title);
    const QString file = QDir::current().absoluteFilePath(QString::fromStdString(carnival::resolvePath(path).string()));
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    QPdfWriter writer(&document);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Ostrivale"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    if (!render(writer, writer.resolution(), job))
        return QString("The printout \"%1\" could not be made.").arg(title);
    try {
        carnival::writeFileAtomically(path, std::string_view(document.data().constData(), document.data().size()));
    } catch (const carnival::DataFileError& error) {
        return QString("The printout \"%1\" could not be saved as \"%2\": %3")
            .arg(title, file, qtext(error.problem()));
    }
    lastPdfFile_ = file;
    return std::nullopt;
}

} // namespace platform
