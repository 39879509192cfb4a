#pragma once

#include "Pass.h"
#include "Setup.h"
#include "Vcl.h"

#include <array>
#include <memory>
#include <utility>

class QMenu;

// The main window: every control at its design position and default, wired to its handler.
class TForm1 : public TForm {
public:
    // The largest segment multiplier and unit time.
    static constexpr int kMaxMultiplier = 999;

    explicit TForm1(TObject* owner);
    ~TForm1() override;

    TLabel* Label1;
    TLabel* Label2;
    TLabel* Label3;
    TLabel* Label4;
    TLabel* Label5;
    TLabel* l_period;
    TLabel* Label7;
    TLabel* Label11;
    TLabel* Label6;
    TLabel* Label8;
    TLabel* Label9;
    TLabel* f1;
    TLabel* Label10;
    TLabel* Label12;
    TLabel* Label13;
    TButton* Button2;
    TEdit* Edit1;
    TEdit* Edit2;
    TEdit* Edit3;
    TEdit* Edit4;
    TEdit* Edit5;
    TEdit* Edit6;
    TEdit* Edit7;
    TEdit* Edit8;
    TEdit* Edit9;
    TEdit* Edit10;
    TListBox* ListBox1;
    TListBox* ListBox2;
    TCheckBox* CheckBox1;
    TCheckBox* CheckBox2;
    TCheckBox* CheckBox3;
    TRadioButton* RadioButton1;
    TRadioButton* RadioButton2;
    TEdit* Edit11;
    TEdit* Edit12;
    TEdit* Edit13;
    TEdit* Edit14;

    // Activation of the window and a click on its free client area.
    void activate(TObject* Sender);
    void Button2Click(TObject* Sender);
    // F1: the keys of the program in a message box.
    void showKeys(TObject* Sender);

    // The packet: segment multipliers and unit time.
    void Edit1Change(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void Edit3Change(TObject* Sender);
    void Edit4Change(TObject* Sender);
    void Edit5Change(TObject* Sender);
    void Edit6Change(TObject* Sender);
    void Edit7Change(TObject* Sender);
    void Edit8Change(TObject* Sender);
    void Edit9Change(TObject* Sender);

    // Harmonic count, harmonic range and display options.
    void Edit10Change(TObject* Sender);
    void Edit13Change(TObject* Sender);
    void Edit14Change(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void CheckBox3Click(TObject* Sender);
    void RadioButton1Click(TObject* Sender);
    void RadioButton2Click(TObject* Sender);

    // Writes the period of the packet into l_period.
    void UpdatePeriod();
    // The recalculation pass: reads every input afresh, computes the spectrum and shows f1, the
    // whole picture and both lists.
    void Recalculate();

    // Types a set-up into the fields and ticks the options, in the order the command line
    // applies them; the handlers correct and recalculate as for a person typing.
    void applySetup(const Setup& setup);

    // What the fields and options hold, read leniently (text that is not a number counts as 0).
    Setup currentSetup() const;

    // The actions of the context menu; each has its shortcut, which works without the menu too.
    void savePicture();
    void copyPicture();
    void printPicture();
    void exportHarmonics();
    void exportSignal();
    void openSetup();
    void saveSetup();
    // Applies a set-up file as if typed; a bad file changes nothing and is reported. Gives whether
    // it was applied.
    bool openSetupFile(const QString& path);
    QMenu* contextMenu() const { return m_contextMenu.get(); }

    // The eight segment fields Edit1 ... Edit8, in the order of the packet.
    std::array<TEdit*, 8> segmentFields() const;
    // How many passes have started since the window was built.
    unsigned long long passCount() const { return m_passes; }
    // What the last pass computed, as the window shows it.
    const spectrum::PassResult& lastPass() const { return m_pass; }

private:
    void buildControls();
    void nameControlsForScreenReaders();
    spectrum::PassInput readInputs() const;
    void correctField(TEdit* field);
    void correctNonZeroField(TEdit* field);
    void enableRangeFields();
    void buildActions();
    QString askSavePath(const QString& caption, const QString& name, const QString& filters,
                        QString* filter = nullptr);
    void saveFile(const QString& path, const QByteArray& bytes);
    void buildPanels();
    void showReadouts(bool filledEnvelope);
    void wireKeyboard();
    std::pair<int, int> stepLimits(const TEdit* field) const;
    void stepField(TEdit* field, int& key);

    unsigned long long m_passes = 0;
    // What the last pass showed, for the exports and the readouts.
    spectrum::PassResult m_pass;
    bool m_filled = false;
    // Not a child of the window: it is no control of the form.
    std::unique_ptr<QMenu> m_contextMenu;
    // Invisible regions over the plots that screen readers read.
    TAccessibleRegion* m_amplitudePanel = nullptr;
    TAccessibleRegion* m_phasePanel = nullptr;
    TAccessibleRegion* m_signalPanel = nullptr;
};

extern TForm1* Form1;
