#pragma once

#include "app/Services.h"

#include <QCursor>
#include <QMainWindow>

class FrmGraphics;
class LineControl;
class PictureButton;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
struct ProgramState;

// The main window: the whole user interface.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 592;
    static constexpr int ClientHeight = 304;

    Form1(ProgramState &state, const Services &services, QWidget *parent = nullptr);
    ~Form1() override;

    // Fills the window from the text table, the entry list and the settings; runs
    // once, before the window is first shown.
    void load();

    // The hidden artwork window, made on first use.
    FrmGraphics *graphics();

    // The colours of the link label.
    static QColor linkHighlight() { return QColor(255, 192, 128); }
    static QColor linkNormal() { return QColor(255, 255, 255); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();

    // Handlers.
    void combo1Click();
    void command1Click();
    void check1Click();
    void timer3Tick();
    void endProgram();
    void hoverOn();
    void hoverOff();
    void showAbout();
    void openUsagePage();
    void mailTo(const QString &address);
    void makeShortcut();

    bool ended() const;
    // StartTarget := the chosen entry's target; false when no entry is chosen.
    bool settleStartTarget();
    void runTarget(const QString &target);
    void showInstruction();

    ProgramState &m_state;
    Services m_services;
    FrmGraphics *m_graphics = nullptr;
    QCursor m_hand;

    QComboBox *m_combo1 = nullptr;
    QCheckBox *m_check1 = nullptr;
    PictureButton *m_command1 = nullptr;
    PictureButton *m_cmdAfslut = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_label8 = nullptr;
    LineControl *m_line1 = nullptr;
    QLabel *m_image2 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label1 = nullptr;
    QWidget *m_client = nullptr;

    QMenu *m_mnuFiler = nullptr;
    QMenu *m_mnuFeatures = nullptr;
    QMenu *m_mnuInformation = nullptr;
    QAction *m_mnuOm = nullptr;
    QAction *m_mnuAboutUse = nullptr;
    QAction *m_mnuMakeShortcut = nullptr;
};
