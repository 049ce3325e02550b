#include "ui/message_box.h"

#include <QInputDialog>
#include <QMessageBox>

namespace ixo::msg {

namespace {

struct TestHooks
{
    bool on = false;
    QList<int> answers;
    QList<std::optional<QString>> inputs;
    QList<Shown> shown;
};

TestHooks &hooks()
{
    static TestHooks h;
    return h;
}

QMessageBox::StandardButton toStandard(int button)
{
    switch (button) {
    case Yes: return QMessageBox::Yes;
    case No: return QMessageBox::No;
    case Cancel: return QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

int firstButton(int buttons)
{
    for (int b : {Ok, Yes, No, Cancel})
        if (buttons & b)
            return b;
    return Ok;
}

} // namespace

int Show(QWidget *parent, const QString &text, const QString &title, int buttons, Icon icon, int defaultButton)
{
    if (hooks().on) {
        hooks().shown.append({text, title, buttons, icon, defaultButton});
        if (!hooks().answers.isEmpty())
            return hooks().answers.takeFirst();
        return defaultButton ? defaultButton : firstButton(buttons);
    }
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    }
    QMessageBox::StandardButtons standard;
    for (int b : {Ok, Yes, No, Cancel})
        if (buttons & b)
            standard |= toStandard(b);
    box.setStandardButtons(standard);
    if (defaultButton)
        box.setDefaultButton(toStandard(defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes: return Yes;
    case QMessageBox::No: return No;
    case QMessageBox::Cancel: return Cancel;
    default: return Ok;
    }
}

std::optional<QString> InputBox(QWidget *parent, const QString &prompt, const QString &title,
                                const QString &defaultText)
{
    if (hooks().on) {
        hooks().shown.append({prompt, title, Ok | Cancel, Icon::None, Ok});
        if (!hooks().inputs.isEmpty())
            return hooks().inputs.takeFirst();
        return std::nullopt;
    }
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

void SetTestMode(bool on)
{
    hooks() = TestHooks{};
    hooks().on = on;
}

void QueueAnswer(int button)
{
    hooks().answers.append(button);
}

void QueueInput(std::optional<QString> text)
{
    hooks().inputs.append(std::move(text));
}

QList<Shown> TakeShown()
{
    return std::exchange(hooks().shown, {});
}

} // namespace ixo::msg
