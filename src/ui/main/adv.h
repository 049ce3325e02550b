#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace ixo {

// Advanced Options: the essay box's right-click menu and clipboard keys, Safe Mode and the word count
// display. OK stores them in the settings and writes the settings file at once.
class adv final : public QDialog
{
    Q_OBJECT

public:
    explicit adv(QWidget *parent = nullptr);

public slots:
    void Form_Load();
    void ok_Click();
    void canc_Click();

private:
    QGroupBox *m_frame1 = nullptr;
    QCheckBox *m_aset1 = nullptr;
    QCheckBox *m_aset2 = nullptr;
    QCheckBox *m_aset3 = nullptr;
    QLabel *m_label1 = nullptr;
    QRadioButton *m_op1 = nullptr;
    QRadioButton *m_op2 = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_canc = nullptr;
};

} // namespace ixo
