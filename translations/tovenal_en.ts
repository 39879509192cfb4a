<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>BuildUpAnimation</name>
    <message>
        <source>Анимация гармоник</source>
        <translation>Animate harmonics</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Рисунок окна, ×%1</source>
        <translation>Window picture, ×%1</translation>
    </message>
    <message>
        <source>Рисунок окна</source>
        <translation>Window picture</translation>
    </message>
    <message>
        <source>Слайд %1×%2 (экран)</source>
        <translation>Slide %1×%2 (screen)</translation>
    </message>
    <message>
        <source>Слайд %1×%2</source>
        <translation>Slide %1×%2</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Что сохранить:</source>
        <translation>What to save:</translation>
    </message>
</context>
<context>
    <name>Drawing</name>
    <message>
        <source>A(f)</source>
        <extracomment>The amplitude spectrum&apos;s axis</extracomment>
        <translation>A(f)</translation>
    </message>
    <message>
        <source>Ф(f)</source>
        <extracomment>The phase spectrum&apos;s axis</extracomment>
        <translation>Φ(f)</translation>
    </message>
    <message>
        <source>f,гц</source>
        <extracomment>The frequency axis, in hertz; the scale&apos;s numbers stand left of it</extracomment>
        <translation>f,Hz</translation>
    </message>
</context>
<context>
    <name>Examples</name>
    <message>
        <source>Меандр (импульс и пауза поровну)</source>
        <translation>Square wave (equal pulse and gap)</translation>
    </message>
    <message>
        <source>Скважность 4</source>
        <translation>Duty cycle 1/4</translation>
    </message>
    <message>
        <source>Скважность 8</source>
        <translation>Duty cycle 1/8</translation>
    </message>
    <message>
        <source>Два импульса за период</source>
        <translation>Two pulses per period</translation>
    </message>
    <message>
        <source>Кодовое слово</source>
        <translation>Code word</translation>
    </message>
    <message>
        <source>Короткий импульс (1/16 периода)</source>
        <translation>Short pulse (1/16 of the period)</translation>
    </message>
    <message>
        <source>Исходная установка окна</source>
        <translation>The window&apos;s defaults</translation>
    </message>
</context>
<context>
    <name>FieldKeys</name>
    <message>
        <source>Клавиши Tovenal

Tab, Shift+Tab — следующее и предыдущее поле
Стрелка вверх, стрелка вниз — число в поле на 1 больше, меньше
Page Up, Page Down — число в поле на 10 больше, меньше
F1 — эта справка

Меню правой кнопки мыши (там же «Примеры»):
</source>
        <translation>Tovenal keys

Tab, Shift+Tab — next and previous field
Up arrow, Down arrow — the number in the field 1 more, less
Page Up, Page Down — the number in the field 10 more, less
F1 — this help

Right-click menu (with “Examples”):
</translation>
    </message>
    <message>
        <source>Ctrl+C в списке — копировать выделенную строку или все строки

Мышь над линией спектра или над сигналом показывает их значения.</source>
        <translation>Ctrl+C in a list — copy the selected line, or all lines

The mouse over a spectrum line or over the signal shows their values.</translation>
    </message>
</context>
<context>
    <name>FileActions</name>
    <message>
        <source>Установки Tovenal (*.%1)</source>
        <translation>Tovenal set-ups (*.%1)</translation>
    </message>
    <message>
        <source>Таблицы CSV (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Рисунок PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Рисунок SVG (*.svg)</source>
        <translation>SVG picture (*.svg)</translation>
    </message>
    <message>
        <source>Документ PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Экспорт гармоник (CSV)…</source>
        <translation>Export harmonics (CSV)…</translation>
    </message>
    <message>
        <source>Экспорт сигнала (CSV)…</source>
        <translation>Export signal (CSV)…</translation>
    </message>
    <message>
        <source>Открыть установку…</source>
        <translation>Open set-up…</translation>
    </message>
    <message>
        <source>Сохранить установку…</source>
        <translation>Save set-up…</translation>
    </message>
    <message>
        <source>Примеры</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>(или перетащить файл *.%1 в окно)</source>
        <translation>(or drop a *.%1 file on the window)</translation>
    </message>
    <message>
        <source>Файл не сохранён.
%1</source>
        <translation>The file was not saved.
%1</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>Экспорт гармоник</source>
        <translation>Export harmonics</translation>
    </message>
    <message>
        <source>Экспорт сигнала</source>
        <translation>Export signal</translation>
    </message>
    <message>
        <source>Такую установку не сохранить: %1 %2 %3</source>
        <extracomment>%1 is the set-up&apos;s key, %2 its value and %3 what is wrong with it, all in English</extracomment>
        <translation>This set-up cannot be saved: %1 %2 %3</translation>
    </message>
    <message>
        <source>Сохранить установку</source>
        <translation>Save set-up</translation>
    </message>
    <message>
        <source>Открыть установку</source>
        <translation>Open set-up</translation>
    </message>
    <message>
        <source>Установка не открыта.
%1</source>
        <translation>The set-up was not opened.
%1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>Язык</source>
        <translation>Language</translation>
    </message>
</context>
<context>
    <name>Listening</name>
    <message>
        <source>Слушать сигнал</source>
        <translation>Listen to the signal</translation>
    </message>
    <message numerus="yes">
        <source>Слушать сигнал (на %n октав выше)</source>
        <translation>
            <numerusform>Listen to the signal (%n octave higher)</numerusform>
            <numerusform>Listen to the signal (%n octaves higher)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Слушать сигнал (на %n октав ниже)</source>
        <translation>
            <numerusform>Listen to the signal (%n octave lower)</numerusform>
            <numerusform>Listen to the signal (%n octaves lower)</numerusform>
        </translation>
    </message>
    <message>
        <source>ни одна гармоника диапазона не звучит</source>
        <translation>no harmonic of the range is heard</translation>
    </message>
    <message>
        <source>звучит гармоника %1 из %2</source>
        <extracomment>%1 is the harmonic heard, %2 how many the range sums</extracomment>
        <translation>harmonic %1 of %2 is heard</translation>
    </message>
    <message>
        <source>звучат гармоники %1…%2 из %3</source>
        <extracomment>%1…%2 are the harmonics heard, %3 how many the range sums</extracomment>
        <translation>harmonics %1…%2 of %3 are heard</translation>
    </message>
</context>
<context>
    <name>MeasuresText</name>
    <message>
        <source> В</source>
        <extracomment>Volts, after a number</extracomment>
        <translation> V</translation>
    </message>
    <message>
        <source> кГц</source>
        <extracomment>Kilohertz, after a number</extracomment>
        <translation> kHz</translation>
    </message>
    <message>
        <source>Ширина спектра %1 %: K = %2, %3</source>
        <translation>Bandwidth %1 %: K = %2, %3</translation>
    </message>
    <message>
        <source> — больше рассчитанных N = %1</source>
        <translation> — more than the N = %1 computed</translation>
    </message>
    <message>
        <source>Нулевых гармоник нет</source>
        <translation>No harmonic is zero</translation>
    </message>
    <message>
        <source>Нулевые гармоники: </source>
        <translation>Zero harmonics: </translation>
    </message>
    <message>
        <source>Нет данных: посылка не рассчитана</source>
        <translation>No data: the packet is not computed</translation>
    </message>
    <message>
        <source>Период: %1 мкс; f1 = %2</source>
        <translation>Period: %1 µs; f1 = %2</translation>
    </message>
    <message>
        <source>Доля импульсов: %1 (скважность %2)</source>
        <translation>Pulse share: %1 (duty factor %2)</translation>
    </message>
    <message>
        <source>Мощность на 1 Ом: %1 В²; действующее значение: %2</source>
        <translation>Power into 1 Ω: %1 V²; RMS value: %2</translation>
    </message>
    <message>
        <source>Постоянная составляющая: %1 мощности</source>
        <translation>Constant term: %1 of the power</translation>
    </message>
    <message>
        <source>Гармоники %1: %2 мощности</source>
        <translation>Harmonics %1: %2 of the power</translation>
    </message>
    <message>
        <source>Диапазон пуст: 0 % мощности</source>
        <translation>The range is empty: 0 % of the power</translation>
    </message>
    <message>
        <source>Диапазон %1: %2 мощности</source>
        <translation>Range %1: %2 of the power</translation>
    </message>
    <message>
        <source>Ошибка восстановления: %1 мВ (%2 мощности)</source>
        <translation>Rebuilding error: %1 mV (%2 of the power)</translation>
    </message>
    <message>
        <source>Наибольшее значение: %1; наименьшее: %2</source>
        <translation>Highest value: %1; lowest: %2</translation>
    </message>
    <message>
        <source>Выброс над вершиной: %1</source>
        <translation>Overshoot above the top: %1</translation>
    </message>
    <message>
        <source>Выброс: только для диапазона от 0 или 1</source>
        <translation>Overshoot: only for a range from 0 or 1</translation>
    </message>
</context>
<context>
    <name>MeasuresWindow</name>
    <message>
        <source>Мощность и ширина спектра</source>
        <translation>Power and bandwidth</translation>
    </message>
    <message>
        <source>Ширина спектра %1</source>
        <extracomment>%1 is the share of the power, &quot;90 %&quot;</extracomment>
        <translation>Bandwidth %1</translation>
    </message>
    <message>
        <source>Мощность и ширина спектра…</source>
        <translation>Power and bandwidth…</translation>
    </message>
    <message>
        <source>Идеальный сигнал</source>
        <translation>Ideal signal</translation>
    </message>
    <message>
        <source>Ширина спектра на рисунке:</source>
        <translation>Bandwidth in the picture:</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>%1 %</source>
        <extracomment>A share of the power, &quot;90 %&quot;</extracomment>
        <translation>%1 %</translation>
    </message>
</context>
<context>
    <name>PlotReadouts</name>
    <message>
        <source>Амплитудный спектр</source>
        <translation>Amplitude spectrum</translation>
    </message>
    <message>
        <source>Фазовый спектр</source>
        <translation>Phase spectrum</translation>
    </message>
    <message>
        <source>Восстановленный сигнал</source>
        <translation>Rebuilt signal</translation>
    </message>
</context>
<context>
    <name>PresentationWindow</name>
    <message>
        <source>Презентация</source>
        <translation>Presentation</translation>
    </message>
</context>
<context>
    <name>QtSoundOutput</name>
    <message>
        <source>Нет устройства вывода звука</source>
        <translation>No sound output device</translation>
    </message>
    <message>
        <source>Устройство вывода звука не воспроизводит 48 кГц, 16 бит</source>
        <translation>The sound output device does not play 48 kHz, 16 bit</translation>
    </message>
    <message>
        <source>Устройство вывода звука не открылось</source>
        <translation>The sound output device did not open</translation>
    </message>
    <message>
        <source>Устройство вывода звука перестало работать</source>
        <translation>The sound output device stopped working</translation>
    </message>
</context>
<context>
    <name>Readouts</name>
    <message>
        <source>у гармоники </source>
        <extracomment>Before the numbers of the harmonics that have a phase: &quot;-29° у гармоник 2, 5, 8&quot;</extracomment>
        <translation>at harmonic </translation>
    </message>
    <message>
        <source>у гармоник </source>
        <translation>at harmonics </translation>
    </message>
    <message>
        <source>Нет расчёта: период посылки или число гармоник вне допустимых пределов.</source>
        <translation>Not computed: the packet period or the number of harmonics is out of bounds.</translation>
    </message>
    <message>
        <source>Число гармоник %1</source>
        <translation>Number of harmonics %1</translation>
    </message>
    <message>
        <source> Ширина спектра %1 %: K = %2, больше показанных.</source>
        <translation> Bandwidth %1 %: K = %2, more than shown.</translation>
    </message>
    <message>
        <source> Линия ширины спектра %1 % у гармоники %2.</source>
        <translation> Line of the %1 % bandwidth at harmonic %2.</translation>
    </message>
    <message>
        <source> Под ним идеальный сигнал: 1 В над импульсами, 0 В над паузами.</source>
        <translation> Under it the ideal signal: 1 V over the pulses, 0 V over the gaps.</translation>
    </message>
    <message>
        <source> Под ним идеальный сигнал без постоянной составляющей: %1 В над импульсами, %2 В над паузами.</source>
        <translation> Under it the ideal signal without its constant term: %1 V over the pulses, %2 V over the gaps.</translation>
    </message>
    <message>
        <source>, f1 = %1 кГц, наибольшая частота %2 кГц. </source>
        <translation>, f1 = %1 kHz, highest frequency %2 kHz. </translation>
    </message>
    <message>
        <source>Наибольшая амплитуда %1 мВ у гармоники %2. </source>
        <translation>Largest amplitude %1 mV at harmonic %2. </translation>
    </message>
    <message>
        <source>Пренебрежимо малых гармоник нет. </source>
        <translation>No harmonic is negligible. </translation>
    </message>
    <message>
        <source>Пренебрежимо мала гармоника %1. </source>
        <translation>Harmonic %1 is negligible. </translation>
    </message>
    <message>
        <source>Пренебрежимо малы гармоники %1. </source>
        <translation>Harmonics %1 are negligible. </translation>
    </message>
    <message>
        <source>Огибающая не показана.</source>
        <translation>The envelope is not shown.</translation>
    </message>
    <message>
        <source>Огибающая показана залитой.</source>
        <translation>The envelope is shown filled.</translation>
    </message>
    <message>
        <source>Огибающая показана линией.</source>
        <translation>The envelope is shown as a curve.</translation>
    </message>
    <message>
        <source>. Список фаз пуст.</source>
        <translation>. The list of phases is empty.</translation>
    </message>
    <message>
        <source>. Фазы по списку: </source>
        <translation>. Phases as listed: </translation>
    </message>
    <message>
        <source>Гармоники с %1 по %2, период %3 мкс. </source>
        <translation>Harmonics %1 to %2, period %3 µs. </translation>
    </message>
    <message>
        <source>Наибольшее значение %1 В, наименьшее %2 В.</source>
        <translation>Highest value %1 V, lowest %2 V.</translation>
    </message>
    <message>
        <source>k = %1; f = %2 кГц; A = %3 мВ; φ = %4°</source>
        <translation>k = %1; f = %2 kHz; A = %3 mV; φ = %4°</translation>
    </message>
    <message>
        <source>t = %1 мкс; u = %2 В</source>
        <translation>t = %1 µs; u = %2 V</translation>
    </message>
</context>
<context>
    <name>Slide</name>
    <message>
        <source>Множители времяни и вид посылки</source>
        <translation>Time multipliers and pulse pattern</translation>
    </message>
    <message>
        <source>f1 = %1 кГц</source>
        <translation>f1 = %1 kHz</translation>
    </message>
    <message>
        <source>f1 = —</source>
        <translation>f1 = —</translation>
    </message>
    <message>
        <source>Время единичного импульса: %1 мкс</source>
        <translation>Unit pulse time: %1 µs</translation>
    </message>
    <message>
        <source>Период посылки: %1 мкс</source>
        <translation>Packet period: %1 µs</translation>
    </message>
    <message>
        <source>Количество гармоник: %1</source>
        <translation>Number of harmonics: %1</translation>
    </message>
    <message>
        <source>Диапазон гармоник с %1 по %2</source>
        <translation>Harmonic range from %1 to %2</translation>
    </message>
    <message>
        <source>Доля мощности в диапазоне: %1 %</source>
        <translation>Share of the power in the range: %1 %</translation>
    </message>
    <message>
        <source>Ширина спектра %1 %: K = %2, %3 кГц</source>
        <translation>Bandwidth %1 %: K = %2, %3 kHz</translation>
    </message>
    <message>
        <source>Выброс: %1 %</source>
        <translation>Overshoot: %1 %</translation>
    </message>
    <message>
        <source>Выброс: не определён</source>
        <translation>Overshoot: undefined</translation>
    </message>
</context>
<context>
    <name>SoundOutput</name>
    <message>
        <source>Модуль звука не загружен: </source>
        <translation>The sound module was not loaded: </translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Tovenal импульсов</source>
        <translation>Tovenal pulses</translation>
    </message>
    <message>
        <source>Вид посылки                     1      0      1      0      1      0      1      0</source>
        <extracomment>Blanks place each 1 (a pulse) and 0 (a gap) over its segment&apos;s field.</extracomment>
        <translation>Pulse pattern                      1      0      1      0      1      0      1      0</translation>
    </message>
    <message>
        <source>Множители времяни  </source>
        <translation>Time multipliers  </translation>
    </message>
    <message>
        <source>Время единичного импульса:</source>
        <translation>Unit pulse time:</translation>
    </message>
    <message>
        <source>мкс</source>
        <extracomment>Microseconds</extracomment>
        <translation>µs</translation>
    </message>
    <message>
        <source>Период посылки:</source>
        <translation>Packet period:</translation>
    </message>
    <message>
        <source>Количество гармоник</source>
        <translation>Number of harmonics</translation>
    </message>
    <message>
        <source>мВ</source>
        <extracomment>Millivolts, over the list of amplitudes</extracomment>
        <translation>mV</translation>
    </message>
    <message>
        <source>Амплитуда 1 В</source>
        <extracomment>The pulses&apos; height</extracomment>
        <translation>Amplitude 1 V</translation>
    </message>
    <message>
        <source>f1=</source>
        <translation>f1=</translation>
    </message>
    <message>
        <source>кГц</source>
        <extracomment>Kilohertz</extracomment>
        <translation>kHz</translation>
    </message>
    <message>
        <source>Амплитуды</source>
        <translation>Amplitudes</translation>
    </message>
    <message>
        <source>Фазы</source>
        <translation>Phases</translation>
    </message>
    <message>
        <source>Выход</source>
        <extracomment>Closes the window</extracomment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Показывать все</source>
        <extracomment>List the harmonics of negligible amplitude too</extracomment>
        <translation>Show all</translation>
    </message>
    <message>
        <source>залить</source>
        <extracomment>Imperative: fill the area under the envelope</extracomment>
        <translation>fill</translation>
    </message>
    <message>
        <source>Огибающая</source>
        <translation>Envelope</translation>
    </message>
    <message>
        <source>Диапазон частот            с                 по                  кГц</source>
        <extracomment>&quot;с&quot; (from) stands left of the first field, &quot;по&quot; (to) between the fields, kHz after them</extracomment>
        <translation>Frequency range        from                  to                  kHz</translation>
    </message>
    <message>
        <source>Диапазон гармоник      с                  по</source>
        <extracomment>&quot;с&quot; (from) stands left of the first field, &quot;по&quot; (to) between the fields</extracomment>
        <translation>Harmonic range          from                   to</translation>
    </message>
    <message>
        <source>Множители времяни, отрезок %1 (вид посылки %2)</source>
        <extracomment>%1 is the segment&apos;s number, %2 whether it is a pulse (1) or a gap (0)</extracomment>
        <translation>Time multipliers, segment %1 (pulse pattern %2)</translation>
    </message>
    <message>
        <source>Время единичного импульса, мкс</source>
        <translation>Unit pulse time, µs</translation>
    </message>
    <message>
        <source>Диапазон частот с, кГц</source>
        <extracomment>The lower end of the frequency range</extracomment>
        <translation>Frequency range from, kHz</translation>
    </message>
    <message>
        <source>Диапазон частот по, кГц</source>
        <extracomment>The upper end of the frequency range</extracomment>
        <translation>Frequency range to, kHz</translation>
    </message>
    <message>
        <source>Диапазон гармоник с</source>
        <extracomment>The lowest harmonic of the range</extracomment>
        <translation>Harmonic range from</translation>
    </message>
    <message>
        <source>Диапазон гармоник по</source>
        <extracomment>The highest harmonic of the range</extracomment>
        <translation>Harmonic range to</translation>
    </message>
    <message>
        <source>Амплитуды, мВ</source>
        <translation>Amplitudes, mV</translation>
    </message>
    <message>
        <source>Диапазон частот</source>
        <translation>Frequency range</translation>
    </message>
    <message>
        <source>Диапазон гармоник</source>
        <translation>Harmonic range</translation>
    </message>
    <message>
        <source>Период посылки, мкс</source>
        <translation>Packet period, µs</translation>
    </message>
    <message>
        <source>f1, кГц</source>
        <translation>f1, kHz</translation>
    </message>
</context>
</TS>
