#include "Tovenal_unit.h"

#include "BuildUpAnimation.h"
#include "FieldKeys.h"
#include "FileActions.h"
#include "Language.h"
#include "Limits.h"
#include "Listening.h"
#include "MeasuresWindow.h"
#include "PassPublisher.h"
#include "PixelMath.h"
#include "PlotReadouts.h"
#include "PresentationWindow.h"
#include "WindowStyle.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QWidget>

TForm1* Form1 = nullptr;

namespace {

using Handler = void (TForm1::*)(TObject*);

TNotifyEvent bind(TForm1* form, Handler handler) {
    return [form, handler](TObject* sender) { (form->*handler)(sender); };
}

QString initialText(const spectrum::FieldRule& rule) {
    return IntToStr(rule.initial);
}

} // namespace

// The features are children of the window: they go with it, after the window's own members.
TForm1::TForm1(TObject* owner)
    : TForm(owner, plot::kPictureWidth, plot::kPictureHeight),
      m_passes(new PassPublisher(widget())) {
    buildControls();
    m_readouts = new PlotReadouts(*this, *m_passes);
    m_fileActions = new FileActions(*this, *m_passes, inputFields());
    m_listening = new Listening(*this, *m_passes);
    m_buildUp = new BuildUpAnimation(*this, inputFields());
    m_measures = new MeasuresWindow(*this, *m_passes);
    m_language = new Language(*this, *m_passes, [this] { setWindowTexts(*this); });
    m_presentation = new PresentationWindow(*this, *m_passes, inputFields());
    buildContextMenu();
    m_keys = new FieldKeys(*this, inputFields(), *m_contextMenu);
    QObject::connect(m_passes, &PassPublisher::requestsChanged, widget(),
                     [this] { Recalculate(); });
    Loaded();
    UpdatePeriod();
}

TForm1::~TForm1() = default;

void TForm1::buildContextMenu() {
    m_contextMenu = std::make_unique<QMenu>();
    // The sound item says in its tooltip which harmonics are heard.
    m_contextMenu->setToolTipsVisible(true);
    m_fileActions->addPictureItems(*m_contextMenu);
    m_contextMenu->addSeparator();
    m_listening->addItem(*m_contextMenu);
    m_buildUp->addItem(*m_contextMenu);
    m_presentation->addItem(*m_contextMenu);
    m_contextMenu->addSeparator();
    m_measures->addItems(*m_contextMenu);
    m_contextMenu->addSeparator();
    m_fileActions->addTableItems(*m_contextMenu);
    m_contextMenu->addSeparator();
    m_fileActions->addSetupItems(*m_contextMenu);
    m_contextMenu->addSeparator();
    m_language->addItem(*m_contextMenu);
    // A right click shows the menu and runs no pass.
    OnContextPopup = [this](QPoint at) { m_contextMenu->exec(widget()->mapToGlobal(at)); };
}

void TForm1::buildControls() {
    widget()->setWindowIcon(QIcon(QStringLiteral(":/icons/org.tovenal.Tovenal.png")));
    OnActivate = bind(this, &TForm1::activate);
    OnClick = bind(this, &TForm1::activate);

    // The captions are set last, by setWindowTexts, as a change of language sets them again.
    const auto label = [this](int left, int top, int width, int height) {
        TLabel* control = Create<TLabel>();
        control->SetBounds(left, top, width, height);
        return control;
    };
    Label1 = label(8, 520, 303, 13);
    Label2 = label(8, 536, 111, 13);
    Label3 = label(8, 568, 149, 13);
    Label4 = label(192, 568, 20, 13);
    Label5 = label(232, 568, 88, 13);
    l_period = label(320, 568, 9, 20);
    l_period->SetText(QStringLiteral("0"));
    Label7 = label(368, 568, 20, 13);
    Label11 = label(376, 528, 111, 13);
    Label6 = label(808, 48, 15, 13);
    Label8 = label(416, 568, 74, 13);
    Label9 = label(544, 48, 15, 13);
    f1 = label(560, 48, 6, 13);
    f1->SetText(QStringLiteral("1"));
    Label10 = label(664, 48, 18, 13);
    Label12 = label(712, 8, 57, 13);
    Label13 = label(848, 8, 31, 13);

    // l_period has a font of its own: 16 pixels, navy.
    QFont periodFont = windowFont();
    periodFont.setPixelSize(16);
    l_period->label()->setFont(periodFont);
    QPalette periodPalette = l_period->label()->palette();
    periodPalette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    l_period->label()->setPalette(periodPalette);
    l_period->label()->resize(l_period->label()->sizeHint().width(), 20);

    Button2 = Create<TButton>();
    Button2->SetBounds(848, 544, 105, 33);
    Button2->OnClick = bind(this, &TForm1::Button2Click);

    const auto edit = [this](int left, int top, int width, const QString& text, Handler handler) {
        TEdit* control = Create<TEdit>();
        control->SetBounds(left, top, width, 21);
        control->SetText(text);
        if (handler != nullptr)
            control->OnChange = bind(this, handler);
        return control;
    };
    Edit1 = edit(128, 536, 25, initialText(spectrum::kSegmentRules[0]), &TForm1::Edit1Change);
    Edit2 = edit(152, 536, 25, initialText(spectrum::kSegmentRules[1]), &TForm1::Edit2Change);
    Edit3 = edit(176, 536, 25, initialText(spectrum::kSegmentRules[2]), &TForm1::Edit3Change);
    Edit4 = edit(200, 536, 25, initialText(spectrum::kSegmentRules[3]), &TForm1::Edit4Change);
    Edit5 = edit(224, 536, 25, initialText(spectrum::kSegmentRules[4]), &TForm1::Edit5Change);
    Edit6 = edit(248, 536, 25, initialText(spectrum::kSegmentRules[5]), &TForm1::Edit6Change);
    Edit7 = edit(272, 536, 25, initialText(spectrum::kSegmentRules[6]), &TForm1::Edit7Change);
    Edit8 = edit(296, 536, 25, initialText(spectrum::kSegmentRules[7]), &TForm1::Edit8Change);
    Edit9 = edit(160, 568, 25, initialText(spectrum::kUnitTimeRule), &TForm1::Edit9Change);
    Edit10 = edit(496, 528, 25, initialText(spectrum::kHarmonicsRule), &TForm1::Edit10Change);

    ListBox1 = Create<TListBox>();
    ListBox1->SetBounds(712, 48, 89, 201);
    ListBox2 = Create<TListBox>();
    ListBox2->SetBounds(848, 48, 97, 201);

    const auto checkBox = [this](int left, int top, int width, bool checked, Handler handler) {
        TCheckBox* control = Create<TCheckBox>();
        control->SetBounds(left, top, width, 17);
        control->SetChecked(checked);
        control->OnClick = bind(this, handler);
        return control;
    };
    CheckBox1 = checkBox(760, 24, 129, false, &TForm1::CheckBox1Click);
    CheckBox2 = checkBox(608, 184, 57, true, &TForm1::CheckBox2Click);
    CheckBox3 = checkBox(592, 160, 81, true, &TForm1::CheckBox3Click);

    const auto radioButton = [this](int left, int top, int width, Handler handler) {
        TRadioButton* control = Create<TRadioButton>();
        control->SetBounds(left, top, width, 17);
        control->OnClick = bind(this, handler);
        return control;
    };
    RadioButton1 = radioButton(600, 496, 313, &TForm1::RadioButton1Click);
    RadioButton1->SetEnabled(false);
    RadioButton2 = radioButton(600, 472, 289, &TForm1::RadioButton2Click);
    RadioButton2->SetChecked(true);

    Edit11 = edit(752, 496, 41, QStringLiteral("0.3"), nullptr);
    Edit11->SetEnabled(false);
    Edit12 = edit(816, 496, 41, QStringLiteral("3.6"), nullptr);
    Edit12->SetEnabled(false);
    Edit13 = edit(752, 472, 41, initialText(spectrum::kRangeFromRule), &TForm1::Edit13Change);
    Edit14 = edit(816, 472, 41, initialText(spectrum::kRangeToRule), &TForm1::Edit14Change);

    const TControl* const tabOrder[] = {
        Button2,      Edit1,        Edit2,  Edit3,    Edit4,    Edit5,     Edit6,     Edit7,
        Edit8,        Edit9,        Edit10, ListBox1, ListBox2, CheckBox1, CheckBox2, CheckBox3,
        RadioButton1, RadioButton2, Edit11, Edit12,   Edit13,   Edit14};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        QWidget::setTabOrder(tabOrder[i - 1]->widget(), tabOrder[i]->widget());
    setWindowTexts(*this);
}

InputFields TForm1::inputFields() const {
    return {{Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8},
            Edit9,
            Edit10,
            Edit13,
            Edit14,
            CheckBox1,
            CheckBox2,
            CheckBox3};
}

void TForm1::activate(TObject* /*Sender*/) {
    Recalculate();
}

void TForm1::Button2Click(TObject* /*Sender*/) {
    Close();
}
