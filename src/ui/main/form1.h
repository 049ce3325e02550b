#pragma once

#include <QWidget>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace ixo {

// The main window: the candidate sets up a practice test here and starts it. It also owns the data files
// (its load opens them) and writes the settings file whenever it closes.
class Form1 final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Form1)

public:
    // The client area below the menu bar, in pixels.
    static constexpr int ClientWidth = 377;
    static constexpr int ClientHeight = 239;

    explicit Form1(QWidget *parent = nullptr);

    // The client area below the menu bar; the frames and the START button sit on it.
    QWidget *clientArea() const { return m_client; }

public slots:
    void Form_Load();
    // Sets every translated caption in the current language.
    void ApplyCaptions();

    void seti1_Click();
    void seti2_Click();
    void seta1_Click();
    void seta2_Click();
    void iskip_Click();
    void askip_Click();
    void start_Click();

    void m_f_start_Click();
    void m_f_quit_Click();
    void m_e_pool_Click();
    void m_s_lan_c_Click();
    void m_s_lan_e_Click();
    void m_s_ad_Click();
    void m_s_def_Click();
    void m_h_home_Click();
    void m_h_about_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    void centreOnScreen();
    // Writes the settings file; a failure is reported once, naming the file, and the program goes on.
    void saveSettingsReporting();
    // START's messages: OK, no icon, title "Error" in the current language.
    void showStartError(int textId);
    void setLanguage(int language);

    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;

    QGroupBox *Framei = nullptr;
    QLabel *ilab1 = nullptr;
    QRadioButton *seti1 = nullptr;
    QLineEdit *iss = nullptr;
    QRadioButton *seti2 = nullptr;
    QCheckBox *setis = nullptr;
    QCheckBox *iskip = nullptr;
    QLabel *ilab2 = nullptr;
    QLineEdit *its = nullptr;
    QLabel *ilab3 = nullptr;

    QGroupBox *Framea = nullptr;
    QLabel *alab1 = nullptr;
    QRadioButton *seta1 = nullptr;
    QLineEdit *arg = nullptr;
    QRadioButton *seta2 = nullptr;
    QCheckBox *askip = nullptr;
    QLabel *alab2 = nullptr;
    QLineEdit *ats = nullptr;
    QLabel *alab3 = nullptr;

    QGroupBox *Frame1 = nullptr;
    QCheckBox *op_count = nullptr;
    QCheckBox *op_quick = nullptr;
    QCheckBox *op_full = nullptr;

    QPushButton *start = nullptr;

    QMenu *m_file = nullptr;
    QAction *m_f_start = nullptr;
    QAction *m_f_quit = nullptr;
    QMenu *m_edit = nullptr;
    QAction *m_e_pool = nullptr;
    QMenu *m_set = nullptr;
    QMenu *m_s_lan = nullptr;
    QAction *m_s_lan_c = nullptr;
    QAction *m_s_lan_e = nullptr;
    QAction *m_s_ad = nullptr;
    QAction *m_s_def = nullptr;
    QMenu *m_help = nullptr;
    QAction *m_h_home = nullptr;
    QAction *m_h_about = nullptr;
};

} // namespace ixo
