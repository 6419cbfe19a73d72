#pragma once
// The print job: one job at a time. A job opens with the first operation
// after the previous job ended and is complete at endDoc(). The job keeps its
// font name, size, bold and underline; lines follow each other down the page
// and a full page continues on the next.
//
// The real backend prints on the default printer; where the machine has none,
// each job is saved as a PDF in the folder "printouts" of the working folder.
// Tests put a recording backend in its place.

#include "carnival/print_line.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

namespace platform {

class PrintBackend {
public:
    virtual ~PrintBackend() = default;
    virtual void setFontSize(double points) = 0;
    virtual void setBold(bool on) = 0;
    virtual void setUnderline(bool on) = 0;
    virtual void setFontName(const QString& name) = 0;
    virtual void printLine(const carnival::PrintLine& line) = 0;
    // Completes the job. Nothing when it went to the printer (or its PDF was
    // written); otherwise a sentence for the user naming what failed.
    virtual std::optional<QString> endDoc() = 0;
};

class Printer {
public:
    static void setFontSize(double points);
    static void setBold(bool on);
    static void setUnderline(bool on);
    static void setFontName(const QString& name);
    static void printLine(const carnival::PrintLine& line);
    static std::optional<QString> endDoc();

    // The backend every job goes to; the real one unless replaced (nullptr
    // puts the real one back).
    static void setBackend(std::unique_ptr<PrintBackend> backend);
    static PrintBackend& backend();
};

// The test backend: every operation in order, each printed line with its
// items' zones (a zone is fourteen characters, each character one unit wide).
struct PrintOperation {
    enum class Kind { FontSize, Bold, Underline, FontName, Line, EndDoc };
    Kind kind;
    double size = 0;                             // FontSize
    bool on = false;                             // Bold, Underline
    QString name;                                // FontName
    std::vector<carnival::PlacedText> placed;    // Line: one printed line each
};

class RecordingPrintBackend : public PrintBackend {
public:
    std::vector<PrintOperation> operations;
    std::optional<QString> failure; // what endDoc() answers

    // One text per operation: "size 16", "bold on", "underline off",
    // "font Tahoma", "line [0]Tamsett:[1] 120 " (each placed text after its
    // zone), "line" for an empty line, "end".
    QStringList transcript() const;

    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setFontName(const QString& name) override;
    void printLine(const carnival::PrintLine& line) override;
    std::optional<QString> endDoc() override;
};

// Qt's printing: each job is kept until its end, then printed on the
// platform's default printer, or, where the machine has none (or always with
// PdfOnly), written as a new PDF file in the folder "printouts" of the working
// folder, named after the job's first line and the time. The PDF is written
// whole through the file layer: a failed write leaves no file behind.
class SystemPrintBackend : public PrintBackend {
public:
    enum class Destination { DefaultPrinterOrPdf, PdfOnly };
    explicit SystemPrintBackend(Destination destination = Destination::DefaultPrinterOrPdf);

    void setFontSize(double points) override;
    void setBold(bool on) override;
    void setUnderline(bool on) override;
    void setFontName(const QString& name) override;
    void printLine(const carnival::PrintLine& line) override;
    std::optional<QString> endDoc() override;

    // The PDF file of the last job written to one; empty otherwise.
    const QString& lastPdfFile() const { return lastPdfFile_; }

    struct Style {
        QString fontName = QStringLiteral("Tahoma");
        double size = 12;
        bool bold = false;
        bool underline = false;
    };
    struct JobLine {
        Style style;
        carnival::PrintLine line;
    };

private:
    std::optional<QString> savePdf(const QString& title, const std::vector<JobLine>& job);

    Destination destination_;
    Style style_;
    std::vector<JobLine> job_;
    QString lastPdfFile_;
};

} // namespace platform
