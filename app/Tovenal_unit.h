#pragma once

#include "InputFields.h"
#include "Vcl.h"

#include <memory>

class QMenu;
class PassPublisher;
class FileActions;
class Listening;
class BuildUpAnimation;
class PlotReadouts;
class FieldKeys;
class MeasuresWindow;
class Language;
class PresentationWindow;

// The main window: every control at its design position and default, wired to its handler. Each
// pass is published; the window's features (the file actions, listening, the build-up, the
// readouts of the plots, the keys, the measures, the presentation, the language) follow it from
// classes of their own.
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
    TEdit* Edit1;     // segment 1, a pulse
    TEdit* Edit2;     // segment 2, a gap
    TEdit* Edit3;     // segment 3, a pulse
    TEdit* Edit4;     // segment 4, a gap
    TEdit* Edit5;     // segment 5, a pulse
    TEdit* Edit6;     // segment 6, a gap
    TEdit* Edit7;     // segment 7, a pulse
    TEdit* Edit8;     // segment 8, a gap
    TEdit* Edit9;     // unit time, microseconds
    TEdit* Edit10;    // number of harmonics N
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
    // The recalculation pass: reads every input afresh, computes the spectrum, shows f1, the
    // whole picture and both lists, and publishes the pass.
    void Recalculate();

    // The fields and options a person types and ticks, for the features that type or read them.
    InputFields inputFields() const;
    // Where the window's passes are published, for whoever follows them.
    PassPublisher& passes() const { return *m_passes; }
    // The context menu on the free client area, gathering the features' actions.
    QMenu& contextMenu() const { return *m_contextMenu; }

private:
    void buildControls();
    void buildContextMenu();
    // A segment or the unit time was changed: corrected by its own rule, then the pass.
    void packetFieldChanged(TEdit* field);

    PassPublisher* m_passes;
    // Not a child of the window: it is no control of the form.
    std::unique_ptr<QMenu> m_contextMenu;
    FileActions* m_fileActions;
    Listening* m_listening;
    BuildUpAnimation* m_buildUp;
    PlotReadouts* m_readouts;
    FieldKeys* m_keys;
    MeasuresWindow* m_measures;
    PresentationWindow* m_presentation;
    Language* m_language;
};

extern TForm1* Form1;

// The window's title, its controls' captions, and the names and descriptions screen readers
// announce for them (WindowTexts.cpp): set when the window is built, and again whenever its
// language changes, so that both always show the same texts.
void setWindowTexts(TForm1& form);
