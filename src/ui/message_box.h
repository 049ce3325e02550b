#pragma once

#include <QList>
#include <QString>

#include <optional>

class QWidget;

namespace ixo::msg {

enum class Icon { None, Question, Information, Warning, Critical };

enum Button { Ok = 0x1, Yes = 0x2, No = 0x4, Cancel = 0x8 };

// What a message box showed; kept for tests.
struct Shown
{
    QString text;
    QString title;
    int buttons = Ok;
    Icon icon = Icon::None;
    int defaultButton = 0;
};

// Shows a modal message box and returns the button pressed.
int Show(QWidget *parent, const QString &text, const QString &title, int buttons = Ok, Icon icon = Icon::None,
         int defaultButton = 0);

// Asks for one line of text; nullopt on Cancel.
std::optional<QString> InputBox(QWidget *parent, const QString &prompt, const QString &title,
                                const QString &defaultText = {});

// Test seams. In test mode no box is shown: each call is recorded and answered at once with the next
// queued answer (else the default button, else the first button offered; the input box with the next queued
// text, else Cancel).
void SetTestMode(bool on);
void QueueAnswer(int button);
void QueueInput(std::optional<QString> text);
QList<Shown> TakeShown();

} // namespace ixo::msg
