#pragma once

#include "Pass.h"
#include "Setup.h"
#include "Sound.h"
#include "Vcl.h"

#include <array>
#include <memory>
#include <utility>

class QAction;
class QObject;
class QMenu;
class QTimer;
class SoundOutput;

// The main window: every control at its design position and default, wired to its handler.
class TForm1 : public TForm {
public:
    explicit TForm1(TObject* owner);
    ~TForm1() override;

    // The controls, named as the form designer named them.
    TLabel* Label1;   // "Вид посылки 1 0 1 0 ...": which segment is a pulse, which a gap
    TLabel* Label2;   // "Множители времяни": caption of the segment fields
    TLabel* Label3;   // "Время единичного импульса:"
    TLabel* Label4;   // "мкс" after the unit time
    TLabel* Label5;   // "Период посылки:"
    TLabel* l_period; // the period of the packet, microseconds; the pass reads it
    TLabel* Label7;   // "мкс" after the period
    TLabel* Label11;  // "Количество гармоник"
    TLabel* Label6;   // "мВ" over the amplitude list
    TLabel* Label8;   // "Амплитуда 1 В"
    TLabel* Label9;   // "f1="
    TLabel* f1;       // the fundamental frequency, kilohertz
    TLabel* Label10;  // "кГц" after f1
    TLabel* Label12;  // "Амплитуды" over the amplitude list
    TLabel* Label13;  // "Фазы" over the phase list
    TButton* Button2; // "Выход": closes the window
    TEdit* Edit1;     // segment 1, a pulse: multiples of the unit time, 1 ... 999
    TEdit* Edit2;     // segment 2, a gap, 0 ... 999
    TEdit* Edit3;     // segment 3, a pulse, 0 ... 999
    TEdit* Edit4;     // segment 4, a gap, 0 ... 999
    TEdit* Edit5;     // segment 5, a pulse, 0 ... 999
    TEdit* Edit6;     // segment 6, a gap, 0 ... 999
    TEdit* Edit7;     // segment 7, a pulse, 0 ... 999
    TEdit* Edit8;     // segment 8, a gap, 1 ... 999
    TEdit* Edit9;     // unit time, microseconds, 1 ... 999
    TEdit* Edit10;    // number of harmonics N, 1 ... 200
    TListBox* ListBox1;         // amplitudes, millivolts, one line per listed harmonic
    TListBox* ListBox2;         // phases, degrees, one line per listed harmonic
    TCheckBox* CheckBox1;       // "Показывать все": list the negligible harmonics too
    TCheckBox* CheckBox2;       // "залить": fill the envelope; enabled while it is drawn
    TCheckBox* CheckBox3;       // "Огибающая": draw the envelope
    TRadioButton* RadioButton1; // "Диапазон частот": the frequency range, never enabled
    TRadioButton* RadioButton2; // "Диапазон гармоник": the harmonic range, the one in use
    TEdit* Edit11;              // frequency range from, kilohertz (disabled)
    TEdit* Edit12;              // frequency range to, kilohertz (disabled)
    TEdit* Edit13;              // harmonic range from, 0 ... N
    TEdit* Edit14;              // harmonic range to, from ... N

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

    // "Слушать сигнал": while checked, the signal of the waveform panel sounds and follows every
    // pass. Loads the sound device on first use.
    void listenToSignal(bool on);
    QAction* listenAction() const { return m_listenAction; }
    // What the last pass sounds like.
    const spectrum::SoundPlan& soundPlan() const { return m_soundPlan; }

    // "Анимация гармоник": the range's upper end typed from the lower end up to the count, one
    // step per timer tick; F5, Esc, a click or a key stops it where it is.
    void toggleAnimation();
    void animationStep();
    void stopAnimation();
    bool animating() const;
    // Milliseconds between two steps of the running animation.
    int animationInterval() const;

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
    // The largest number a packet field holds.
    int highestOf(const TEdit* field) const;
    void correctField(TEdit* field);
    void correctNonZeroField(TEdit* field);
    void enableRangeFields();
    void buildActions();
    QString askSavePath(const QString& caption, const QString& name, const QString& filters,
                        QString* filter = nullptr);
    void saveFile(const QString& path, const QByteArray& bytes);
    void buildListening(QAction* listen);
    bool openSound();
    void soundFailed(const QString& reason);
    void stopSound();
    void updateSound();
    void buildAnimation(QAction* animate);
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
    // The sound of the last pass, and the device, once it has been asked for.
    spectrum::SoundPlan m_soundPlan;
    QAction* m_listenAction = nullptr;
    std::unique_ptr<SoundOutput> m_sound;
    // The build-up of the harmonics: the next upper end to type, and the timer that types it.
    QTimer* m_animationTimer = nullptr;
    std::unique_ptr<QObject> m_animationStopper;
    int m_animationNext = 0;
    // Invisible regions over the plots that screen readers read.
    TAccessibleRegion* m_amplitudePanel = nullptr;
    TAccessibleRegion* m_phasePanel = nullptr;
    TAccessibleRegion* m_signalPanel = nullptr;
};

extern TForm1* Form1;
