#pragma once

// "Мощность и ширина спектра": the packet's power, its spread over the harmonics, the practical
// bandwidth and the error of the rebuilt period, in a tool window beside the main one that follows
// every pass while it is shown. With it, the two drawings it explains, switched on from the context
// menu: the ideal signal under the rebuilt period, and the bandwidth's line at the share the
// window picks (90, 95 or 99 %).

#include "Pass.h"

#include <QObject>

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QWidget;
class PassPublisher;
class TForm;

class MeasuresWindow final : public QObject {
    Q_OBJECT

public:
    MeasuresWindow(TForm& form, PassPublisher& passes);
    ~MeasuresWindow() override;

    void addItems(QMenu& menu);
    // Shows the window beside the main one, or brings it to the front.
    void open();
    // The drawings switched on as the command line asks; the items follow.
    void showOverlays(const spectrum::PictureOverlays& overlays);
    // The share of the power the bandwidth's line is drawn for.
    int share() const { return m_share; }
    void setShare(int share);
    // The tool window, once it has been opened.
    QWidget* window() const { return m_window; }

protected:
    bool event(QEvent* event) override;

private:
    void buildWindow();
    void retranslate();
    void follow(const spectrum::PassResult& pass);
    void askOverlays();
    void copyLines();

    TForm& m_form;
    PassPublisher& m_passes;
    int m_share;
    QAction* m_idealItem = nullptr;
    QAction* m_bandwidthItem = nullptr;
    QWidget* m_window = nullptr;
    QLabel* m_choice = nullptr;
    QComboBox* m_shares = nullptr;
    QListWidget* m_lines = nullptr;
};
