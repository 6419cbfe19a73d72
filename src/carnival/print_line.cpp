#include "print_line.h"

#include "number_form.h"

#include <cmath>

namespace carnival {

std::string PrintItem::printed() const
{
    switch (kind) {
    case Kind::Text: return text;
    case Kind::Number: return numberForm(static_cast<long long>(number));
    case Kind::Empty: break;
    }
    return {};
}

namespace {

// Lays out the pieces of one print line, keeping the print position as the
// zone in which the current run began and the width printed since then, so
// that zone starts are counted, never recomputed from a sum of widths.
class LineLayout {
public:
    LineLayout(double zoneWidth, const std::function<double(std::string_view)>& widthOf)
        : zoneWidth_(zoneWidth)
        , widthOf_(widthOf)
    {
        lines_.emplace_back();
    }

    void stepToNextZone()
    {
        zone_ += static_cast<int>(std::floor(offset_ / zoneWidth_)) + 1;
        offset_ = 0;
    }

    void newLine()
    {
        lines_.emplace_back();
        zone_ = 0;
        offset_ = 0;
    }

    void print(std::string_view text)
    {
        if (text.empty())
            return;
        const int zone = zone_ + static_cast<int>(std::floor(offset_ / zoneWidth_));
        lines_.back().push_back({ zone_ * zoneWidth_ + offset_, zone, std::string(text) });
        offset_ += widthOf_(text);
    }

    // A text item: a tab steps to the next zone, a line end (CR LF, CR or LF)
    // starts a new line.
    void printText(std::string_view text)
    {
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c != '\t' && c != '\r' && c != '\n')
                continue;
            print(text.substr(start, i - start));
            if (c == '\t') {
                stepToNextZone();
            } else {
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
                newLine();
            }
            start = i + 1;
        }
        print(text.substr(start));
    }

    std::vector<std::vector<PlacedText>> result() && { return std::move(lines_); }

private:
    double zoneWidth_;
    const std::function<double(std::string_view)>& widthOf_;
    std::vector<std::vector<PlacedText>> lines_;
    int zone_ = 0;
    double offset_ = 0;
};

} // namespace

std::vector<std::vector<PlacedText>> layOutPrintLine(
    const PrintLine& line, double zoneWidth, const std::function<double(std::string_view)>& widthOf)
{
    LineLayout layout(zoneWidth, widthOf);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i > 0)
            layout.stepToNextZone();
        layout.printText(line[i].printed());
    }
    return std::move(layout).result();
}

} // namespace carnival
