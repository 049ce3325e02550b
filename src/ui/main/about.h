#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;

namespace ixo {

// About IXO: the product title, a logo, a greeting, the release date and the homepage address. A click on
// the box, the title, the logo or the greeting closes it.
class about final : public QDialog
{
    Q_OBJECT

public:
    explicit about(QWidget *parent = nullptr);

    // The 100 by 60 logo: the letters IXO beside a clock face, in blue and grey.
    static QPixmap DrawLogo();

public slots:
    void Form_Load();
    void Form_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_label1 = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_label6 = nullptr;
};

} // namespace ixo
