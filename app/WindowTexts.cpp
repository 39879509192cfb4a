// The texts of TForm1's own controls, in the window's language. The window's other texts belong
// to its features, each retranslating its own.

#include "Tovenal_unit.h"

#include <QCoreApplication>

namespace {

class WindowTexts {
    Q_DECLARE_TR_FUNCTIONS(WindowTexts)

public:
    static void setCaptions(TForm1& form);
    static void nameForScreenReaders(TForm1& form);
};

// The blanks inside a caption place its parts beside the fields that stand within it (the
// segments' "1 0 1 0", the ranges' "с" and "по"): a translation keeps them where the fields are.
void WindowTexts::setCaptions(TForm1& form) {
    form.SetText(tr("Tovenal импульсов"));
    //: Blanks place each 1 (a pulse) and 0 (a gap) over its segment's field.
    form.Label1->SetText(
        tr("Вид посылки                     1      0      1      0      1      0      1      0"));
    form.Label2->SetText(tr("Множители времяни  "));
    form.Label3->SetText(tr("Время единичного импульса:"));
    //: Microseconds
    form.Label4->SetText(tr("мкс"));
    form.Label5->SetText(tr("Период посылки:"));
    //: Microseconds
    form.Label7->SetText(tr("мкс"));
    form.Label11->SetText(tr("Количество гармоник"));
    //: Millivolts, over the list of amplitudes
    form.Label6->SetText(tr("мВ"));
    //: The pulses' height
    form.Label8->SetText(tr("Амплитуда 1 В"));
    form.Label9->SetText(tr("f1="));
    //: Kilohertz
    form.Label10->SetText(tr("кГц"));
    form.Label12->SetText(tr("Амплитуды"));
    form.Label13->SetText(tr("Фазы"));
    //: Closes the window
    form.Button2->SetText(tr("Выход"));
    //: List the harmonics of negligible amplitude too
    form.CheckBox1->SetText(tr("Показывать все"));
    //: Imperative: fill the area under the envelope
    form.CheckBox2->SetText(tr("залить"));
    form.CheckBox3->SetText(tr("Огибающая"));
    //: "с" (from) stands left of the first field, "по" (to) between the fields, kHz after them
    form.RadioButton1->SetText(
        tr("Диапазон частот            с                 по                  кГц"));
    //: "с" (from) stands left of the first field, "по" (to) between the fields
    form.RadioButton2->SetText(tr("Диапазон гармоник      с                  по"));
}

// Each field is announced with the captions that stand beside it on the window. The period and f1
// are announced by the values they show, and described by what they are.
void WindowTexts::nameForScreenReaders(TForm1& form) {
    const auto segments = form.inputFields().segments;
    for (int n = 1; n <= static_cast<int>(segments.size()); ++n)
        segments[static_cast<std::size_t>(n - 1)]->SetAccessibleName(
            //: %1 is the segment's number, %2 whether it is a pulse (1) or a gap (0)
            tr("Множители времяни, отрезок %1 (вид посылки %2)").arg(n).arg(n % 2));
    form.Edit9->SetAccessibleName(tr("Время единичного импульса, мкс"));
    form.Edit10->SetAccessibleName(tr("Количество гармоник"));
    //: The lower end of the frequency range
    form.Edit11->SetAccessibleName(tr("Диапазон частот с, кГц"));
    //: The upper end of the frequency range
    form.Edit12->SetAccessibleName(tr("Диапазон частот по, кГц"));
    //: The lowest harmonic of the range
    form.Edit13->SetAccessibleName(tr("Диапазон гармоник с"));
    //: The highest harmonic of the range
    form.Edit14->SetAccessibleName(tr("Диапазон гармоник по"));
    form.ListBox1->SetAccessibleName(tr("Амплитуды, мВ"));
    form.ListBox2->SetAccessibleName(tr("Фазы"));
    form.CheckBox1->SetAccessibleName(form.CheckBox1->GetText());
    form.CheckBox2->SetAccessibleName(form.CheckBox2->GetText());
    form.CheckBox3->SetAccessibleName(form.CheckBox3->GetText());
    form.RadioButton1->SetAccessibleName(tr("Диапазон частот"));
    form.RadioButton2->SetAccessibleName(tr("Диапазон гармоник"));
    form.Button2->SetAccessibleName(form.Button2->GetText());
    form.l_period->SetAccessibleDescription(tr("Период посылки, мкс"));
    form.f1->SetAccessibleDescription(tr("f1, кГц"));
}

} // namespace

void setWindowTexts(TForm1& form) {
    WindowTexts::setCaptions(form);
    WindowTexts::nameForScreenReaders(form);
}
