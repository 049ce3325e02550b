#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace ixo {

// Test Review: the report of the finished practice test, which the candidate may edit, copy, save as a
// text file in the review folder, or leave for another test or the end of the program.
class over final : public QWidget
{
    Q_OBJECT

public:
    explicit over(QWidget *parent = nullptr);

    // The file name of the report without folder and extension.
    QString reportName() const { return m_reportName; }

public slots:
    void Form_Load();
    void copall_Click();
    void save_Click();
    void back_Click();
    void quit_Click();

private:
    void ApplyReviewCaptions();
    void SaveReport(const QString &path);

    QPlainTextEdit *m_res = nullptr;
    QPushButton *m_copall = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_quit = nullptr;
    QPushButton *m_back = nullptr;
    QString m_reportName;
};

} // namespace ixo
