#pragma once

#include <QObject>

class QPlainTextEdit;

namespace ixo {

// Keeps an essay box to the editing that the test screen itself offers. Each box has a guard of its own,
// owned by the box and gone with it.
//
// With `mouse` on, a right-button press does nothing and no context menu appears, and no outside text comes
// in by the mouse: the box takes no drops and no middle-click paste. With `clipboardKeys` on, the keys that
// copy, paste or cut (Ctrl+C, Ctrl+V, Ctrl+X and the platform's other keys for them) do nothing; undo,
// select all and typing pass. The screen's Cut, Paste and Undo buttons call the box directly and are not
// affected.
class EditBoxGuard final : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        bool mouse = false;
        bool clipboardKeys = false;
    };

    // Installs a guard on `box` (and its viewport) when either option is on; returns it, or nullptr.
    static EditBoxGuard *install(QPlainTextEdit *box, Options options);

    Options options() const { return m_options; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    EditBoxGuard(QPlainTextEdit *box, Options options);

    Options m_options;
};

} // namespace ixo
