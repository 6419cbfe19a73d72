#pragma once
// The empty-records generator's window: two generate buttons, "Check" and
// "Quit", with the text it prints on its own surface to their left.

#include "carnival/setup_files.h"
#include "platform/forms.h"

#include <QStringList>

#include <string_view>
#include <vector>

class QPushButton;

namespace sablewick {

class Form1 : public platform::Form {
    Q_OBJECT
public:
    Form1();

    void Form_Load() override;
    void Command1_Click();
    void Command3_Click();
    void Command2_Click();
    void Command4_Click();

    // Every line printed so far, the earliest first.
    const QStringList& printedLines() const { return printed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void generate(std::string_view programPath, const std::vector<carnival::SetupEvent>& events, const QString& secondQuestion);
    void print(const QString& line);

    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QStringList printed_;
};

} // namespace sablewick
