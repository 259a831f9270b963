<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>TForm1</name>
    <message>
        <source>Расчет трансформатора от zentu</source>
        <translation>Transformer design by zentu</translation>
    </message>
    <message>
        <source>Зазор сердечника</source>
        <translation>Core gap, mm</translation>
    </message>
    <message>
        <source>dB - Индукция насыщения</source>
        <translation>dB - saturation induction, T</translation>
    </message>
    <message>
        <source>Проницаемость</source>
        <translation>Permeability</translation>
    </message>
    <message>
        <source>Ввод размеров в ММ</source>
        <translation>Dimensions in mm</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Очистить</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Введены параметры</source>
        <translation>Parameters entered</translation>
    </message>
    <message>
        <source>Ввод </source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Проверка</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Вид сердечника</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Режим</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Прямоходовой</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Параметры</source>
        <translation>Parameters</translation>
    </message>
    <message>
        <source>Кольцо</source>
        <translation>Ring core</translation>
    </message>
    <message>
        <source>Ш Образный</source>
        <translation>E core</translation>
    </message>
    <message>
        <source>П Образный</source>
        <translation>U core</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Choke</translation>
    </message>
    <message>
        <source>Обратноходовой</source>
        <translation>Flyback</translation>
    </message>
    <message>
        <source>Однотактный</source>
        <translation>Single-ended forward</translation>
    </message>
    <message>
        <source>Двухтактный</source>
        <translation>Push-pull forward</translation>
    </message>
    <message>
        <source>Ввести</source>
        <translation>Enter voltages</translation>
    </message>
    <message>
        <source>Из каталога…</source>
        <translation>From catalogue…</translation>
    </message>
    <message>
        <source>Материал…</source>
        <translation>Material…</translation>
    </message>
    <message>
        <source>Открыть расчет…</source>
        <translation>Open design…</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Сохранить расчет…</source>
        <translation>Save design…</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Отчет…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Подбор сердечника…</source>
        <translation>Core adviser…</translation>
    </message>
</context>
<context>
    <name>transcalc::AdviserDialog</name>
    <message>
        <source>Подбор сердечника</source>
        <translation>Core adviser</translation>
    </message>
    <message>
        <source>Исходные данные</source>
        <translation>Input data</translation>
    </message>
    <message>
        <source>Дроссель</source>
        <translation>Choke</translation>
    </message>
    <message>
        <source>Обратноходовой</source>
        <translation>Flyback</translation>
    </message>
    <message>
        <source>Однотактный</source>
        <translation>Single-ended forward</translation>
    </message>
    <message>
        <source>Двухтактный</source>
        <translation>Push-pull forward</translation>
    </message>
    <message>
        <source>не выбран</source>
        <translation>not chosen</translation>
    </message>
    <message>
        <source>Кольцо</source>
        <translation>Ring</translation>
    </message>
    <message>
        <source>Ш</source>
        <translation>E</translation>
    </message>
    <message>
        <source>П</source>
        <translation>U</translation>
    </message>
    <message>
        <source>Режим:</source>
        <translation>Mode:</translation>
    </message>
    <message>
        <source>Напряжение на входе, В:</source>
        <translation>Input voltage, V:</translation>
    </message>
    <message>
        <source>Напряжение на выходе, В:</source>
        <translation>Output voltage, V:</translation>
    </message>
    <message>
        <source>Допустимое напряжение выброса, В:</source>
        <translation>Allowed overshoot voltage, V:</translation>
    </message>
    <message>
        <source>Ток нагрузки:</source>
        <translation>Load current:</translation>
    </message>
    <message>
        <source>Индуктивность:</source>
        <translation>Inductance:</translation>
    </message>
    <message>
        <source>Постоянный ток дросселя:</source>
        <translation>Choke DC current:</translation>
    </message>
    <message>
        <source>Пульсации тока (размах):</source>
        <translation>Ripple current (peak to peak):</translation>
    </message>
    <message>
        <source>Частота переключения:</source>
        <translation>Switching frequency:</translation>
    </message>
    <message>
        <source>Материал сердечника:</source>
        <translation>Core material:</translation>
    </message>
    <message>
        <source>Виды сердечников:</source>
        <translation>Core kinds:</translation>
    </message>
    <message>
        <source>Температура сердечника:</source>
        <translation>Core temperature:</translation>
    </message>
    <message>
        <source>Запас до насыщения не менее:</source>
        <translation>Saturation margin at least:</translation>
    </message>
    <message>
        <source>Перегрев не более:</source>
        <translation>Temperature rise at most:</translation>
    </message>
    <message>
        <source>Плотность тока:</source>
        <translation>Current density:</translation>
    </message>
    <message>
        <source> А</source>
        <translation> A</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>not set</translation>
    </message>
    <message>
        <source> мГн</source>
        <translation> mH</translation>
    </message>
    <message>
        <source>не задана</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>не заданы</source>
        <translation>not set</translation>
    </message>
    <message>
        <source> кГц</source>
        <translation> kHz</translation>
    </message>
    <message>
        <source> °C</source>
        <translation> °C</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source> К</source>
        <translation> K</translation>
    </message>
    <message>
        <source> А/мм²</source>
        <translation> A/mm²</translation>
    </message>
    <message>
        <source>Подобрать</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%v из %m</source>
        <translation>%v of %m</translation>
    </message>
    <message>
        <source>Применить</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Перенести выбранный сердечник в окно и выполнить расчет</source>
        <translation>Put the chosen core into the window and calculate</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Длительность импульса, мкс:</source>
        <translation>Pulse duration, µs:</translation>
    </message>
    <message>
        <source>Частота, кГц:</source>
        <translation>Frequency, kHz:</translation>
    </message>
    <message>
        <source>Выберите материал сердечника.</source>
        <translation>Choose the core material.</translation>
    </message>
    <message>
        <source>Отметьте хотя бы один вид сердечника.</source>
        <translation>Tick at least one core kind.</translation>
    </message>
    <message>
        <source>Задайте индуктивность дросселя.</source>
        <translation>Enter the choke inductance.</translation>
    </message>
    <message>
        <source>Задайте постоянный ток дросселя.</source>
        <translation>Enter the choke DC current.</translation>
    </message>
    <message>
        <source>Задайте частоту переключения: без нее пульсации не учесть.</source>
        <translation>Enter the switching frequency: the ripple cannot be taken into account without it.</translation>
    </message>
    <message>
        <source>Задайте ток нагрузки.</source>
        <translation>Enter the load current.</translation>
    </message>
    <message>
        <source>Подбор останавливается…</source>
        <translation>Stopping the search…</translation>
    </message>
    <message>
        <source>Идет подбор…</source>
        <translation>Searching…</translation>
    </message>
    <message>
        <source>Подбор не выполнен.</source>
        <translation>The search failed.</translation>
    </message>
    <message>
        <source>Нажмите «Подобрать»: сердечники выбранных видов будут рассчитаны и проверены по очереди.</source>
        <translation>Press “Search”: the cores of the chosen kinds will be designed and checked one by one.</translation>
    </message>
    <message>
        <source>Подбор отменен.</source>
        <translation>The search was cancelled.</translation>
    </message>
    <message>
        <source>Ни один сердечник не подошел.</source>
        <translation>No core fits.</translation>
    </message>
    <message>
        <source>Подходящих сердечников: %1 из %2.</source>
        <translation>Cores that fit: %1 of %2.</translation>
    </message>
    <message>
        <source>В таблице %1 наименьших по объему Ve.</source>
        <translation>The table lists the %1 smallest by Ve.</translation>
    </message>
    <message>
        <source>У материала нет данных о потерях: перегрев — только от меди.</source>
        <translation>The material has no loss data: the rise is that of the copper alone.</translation>
    </message>
    <message>
        <source>Другие семейства:</source>
        <translation>Other families:</translation>
    </message>
</context>
<context>
    <name>transcalc::AdviserPlot</name>
    <message>
        <source>Объем Ve, см³</source>
        <translation>Volume Ve, cm³</translation>
    </message>
    <message>
        <source>Потери, Вт</source>
        <translation>Loss, W</translation>
    </message>
    <message>
        <source>нижний левый фронт</source>
        <translation>lower-left front</translation>
    </message>
    <message>
        <source>потери сердечника неизвестны</source>
        <translation>core loss unknown</translation>
    </message>
</context>
<context>
    <name>transcalc::Caption</name>
    <message>
        <source>Введите режим</source>
        <translation>Choose an operating mode</translation>
    </message>
    <message>
        <source>Режим %1</source>
        <translation>Mode: %1</translation>
    </message>
</context>
<context>
    <name>transcalc::CatalogueDialog</name>
    <message>
        <source>Поиск:</source>
        <translation>Search:</translation>
    </message>
    <message>
        <source>часть названия</source>
        <translation>part of the name</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>transcalc::CheckDialog</name>
    <message>
        <source>Проверка расчета</source>
        <translation>Design check</translation>
    </message>
    <message>
        <source>%1: %2 %3, dB = %4 Тл</source>
        <translation>%1: %3 %2, dB = %4 T</translation>
    </message>
    <message>
        <source>витков дросселя</source>
        <translation>choke turns</translation>
    </message>
    <message>
        <source>витков первички</source>
        <translation>primary turns</translation>
    </message>
    <message>
        <source>Потери и перегрев — оценка: формула Штейнмеца для реальной формы индукции точна до ±35 %, перегрев — по правилу производителей ферритов.</source>
        <translation>Loss and temperature rise are estimates: the Steinmetz equation for the real flux waveform is accurate to ±35 %, the rise follows the ferrite makers&apos; rule.</translation>
    </message>
    <message>
        <source>Потери и перегрев — оценка: потери по формуле производителя порошка, перегрев — по правилу производителей ферритов.</source>
        <translation>Loss and temperature rise are estimates: the loss by the powder maker&apos;s formula, the rise by the ferrite makers&apos; rule.</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Условия работы</source>
        <translation>Operating conditions</translation>
    </message>
    <message>
        <source>без материала</source>
        <translation>no material</translation>
    </message>
    <message>
        <source>Материал сердечника:</source>
        <translation>Core material:</translation>
    </message>
    <message>
        <source>Температура сердечника:</source>
        <translation>Core temperature:</translation>
    </message>
    <message>
        <source> А</source>
        <translation> A</translation>
    </message>
    <message>
        <source>не задан</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>не заданы</source>
        <translation>not set</translation>
    </message>
    <message>
        <source> кГц</source>
        <translation> kHz</translation>
    </message>
    <message>
        <source>не задана</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>Постоянный ток дросселя:</source>
        <translation>Choke DC current:</translation>
    </message>
    <message>
        <source>Пульсации тока (размах):</source>
        <translation>Ripple current (peak to peak):</translation>
    </message>
    <message>
        <source>Частота переключения:</source>
        <translation>Switching frequency:</translation>
    </message>
    <message>
        <source>Задайте частоту переключения: без нее пульсации не учесть</source>
        <translation>Enter the switching frequency: the ripple cannot be taken into account without it</translation>
    </message>
    <message>
        <source>Ток нагрузки:</source>
        <translation>Load current:</translation>
    </message>
    <message>
        <source> А/мм²</source>
        <translation> A/mm²</translation>
    </message>
    <message>
        <source>Плотность тока в обмотках:</source>
        <translation>Winding current density:</translation>
    </message>
    <message>
        <source>Обмотки не проверены: плотность тока вне допустимых пределов</source>
        <translation>The windings are not checked: the current density is out of bounds</translation>
    </message>
    <message>
        <source>Выходы</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Напряжение</source>
        <translation>Voltage</translation>
    </message>
    <message>
        <source>Ток</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>Имя</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Падение</source>
        <translation>Drop</translation>
    </message>
    <message>
        <source>Uвых</source>
        <translation>Vout</translation>
    </message>
    <message>
        <source>ток нагрузки</source>
        <translation>load current</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source>не задано</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>как Uвх</source>
        <translation>as Vin</translation>
    </message>
    <message>
        <source>Входное напряжение от:</source>
        <translation>Input voltage from:</translation>
    </message>
    <message>
        <source>до:</source>
        <translation>to:</translation>
    </message>
</context>
<context>
    <name>transcalc::CoreCatalogueDialog</name>
    <message>
        <source>Кольцо</source>
        <translation>Ring core</translation>
    </message>
    <message>
        <source>Ш Образный</source>
        <translation>E core</translation>
    </message>
    <message>
        <source>П Образный</source>
        <translation>U core</translation>
    </message>
    <message>
        <source>Сердечник из каталога</source>
        <translation>Core from the catalogue</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Вид</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>D1 / H1, мм</source>
        <translation>D1 / H1, mm</translation>
    </message>
    <message>
        <source>D2 / H2, мм</source>
        <translation>D2 / H2, mm</translation>
    </message>
    <message>
        <source>H / L1, мм</source>
        <translation>H / L1, mm</translation>
    </message>
    <message>
        <source>L2, мм</source>
        <translation>L2, mm</translation>
    </message>
    <message>
        <source>Семейство:</source>
        <translation>Family:</translation>
    </message>
    <message>
        <source>все</source>
        <translation>all</translation>
    </message>
</context>
<context>
    <name>transcalc::FamilyCoreText</name>
    <message>
        <source>Ae = %1 мм²</source>
        <translation>Ae = %1 mm²</translation>
    </message>
    <message>
        <source>le = %1 мм</source>
        <translation>le = %1 mm</translation>
    </message>
    <message>
        <source>Окно %1 × %2 мм</source>
        <translation>Window %1 × %2 mm</translation>
    </message>
    <message>
        <source>без каркаса</source>
        <translation>no bobbin</translation>
    </message>
</context>
<context>
    <name>transcalc::LanguageSetting</name>
    <message>
        <source>Файл настроек %1 не прочитан: %2. Окно открыто на языке по умолчанию.</source>
        <translation>The settings file %1 was not read: %2. The window opens in its default language.</translation>
    </message>
    <message>
        <source>Выбор языка не сохранен в файле %1: %2. Он действует до закрытия программы.</source>
        <translation>The language choice was not saved in %1: %2. It holds until the program closes.</translation>
    </message>
    <message>
        <source>больше 64 КиБ</source>
        <translation>larger than 64 KiB</translation>
    </message>
</context>
<context>
    <name>transcalc::MaterialDialog</name>
    <message>
        <source>феррит</source>
        <translation>ferrite</translation>
    </message>
    <message>
        <source>порошковый</source>
        <translation>powder</translation>
    </message>
    <message>
        <source>нанокристаллический</source>
        <translation>nanocrystalline</translation>
    </message>
    <message>
        <source>аморфный</source>
        <translation>amorphous</translation>
    </message>
    <message>
        <source>Материал сердечника</source>
        <translation>Core material</translation>
    </message>
    <message>
        <source>Название</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Производитель</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>Состав</source>
        <translation>Composition</translation>
    </message>
    <message>
        <source>Проницаемость</source>
        <translation>Permeability</translation>
    </message>
    <message>
        <source>Bнас 25 °C, Тл</source>
        <translation>Bsat 25 °C, T</translation>
    </message>
    <message>
        <source>Bнас 100 °C, Тл</source>
        <translation>Bsat 100 °C, T</translation>
    </message>
    <message>
        <source>dB, Тл</source>
        <translation>dB, T</translation>
    </message>
    <message>
        <source>Проницаемость: %1      dB - Индукция насыщения: нет данных, поле не меняется</source>
        <translation>Permeability: %1      dB - saturation induction: no data, the field is left as it is</translation>
    </message>
    <message>
        <source>Проницаемость: %1      dB - Индукция насыщения: %2 Тл (%3 · Bнас при 100 °C)
Bнас: %4 Тл при 25 °C, %5 Тл при 100 °C</source>
        <translation>Permeability: %1      dB - saturation induction: %2 T (%3 · Bsat at 100 °C)
Bsat: %4 T at 25 °C, %5 T at 100 °C</translation>
    </message>
</context>
<context>
    <name>transcalc::TForm1</name>
    <message>
        <source>Расчеты (*.transcalc)</source>
        <translation>Designs (*.transcalc)</translation>
    </message>
    <message>
        <source>Открыть расчет</source>
        <translation>Open design</translation>
    </message>
    <message>
        <source>Сохранить расчет</source>
        <translation>Save design</translation>
    </message>
    <message>
        <source>Отчет</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Расчет</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Для  начала  работы</source>
        <translation>To begin,</translation>
    </message>
    <message>
        <source>Нажмите ввод. </source>
        <translation>press Input.</translation>
    </message>
    <message>
        <source>Закрыть без сохранения</source>
        <translation>Close without saving</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Копировать</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Состояние окна не сохранено: %1
Закрыть окно без сохранения?</source>
        <translation>The window state was not saved: %1
Close the window without saving?</translation>
    </message>
    <message>
        <source>Сердечника &quot;%1&quot;, показанного при выходе, нет в каталоге: окно открыто без него.</source>
        <translation>The core &quot;%1&quot; shown at the last exit is not in the catalogue: the window opens without it.</translation>
    </message>
</context>
<context>
    <name>transcalc::WindingsPanel</name>
    <message>
        <source>Обмотки</source>
        <translation>Windings</translation>
    </message>
    <message>
        <source>P — первичная, S — вторичная, R — размагничивающая, L — дроссель</source>
        <translation>P — primary, S — secondary, R — reset, L — choke</translation>
    </message>
    <message>
        <source>Диаметр провода по меди × число жил</source>
        <translation>Copper diameter of the wire × number of strands</translation>
    </message>
    <message>
        <source>Каждая секция начинается с нового слоя</source>
        <translation>Each section starts on a new layer</translation>
    </message>
    <message>
        <source>Средняя длина витка секции</source>
        <translation>Mean turn length of the section</translation>
    </message>
    <message>
        <source>Сопротивление постоянному току при температуре сердечника</source>
        <translation>DC resistance at the core temperature</translation>
    </message>
    <message>
        <source>Во сколько раз скин-эффект и эффект близости (по Доуэллу) увеличивают потери против постоянного тока</source>
        <translation>How many times the skin and proximity effects (after Dowell) raise the loss over that at DC</translation>
    </message>
    <message>
        <source>Потери в меди секции (оценка)</source>
        <translation>Copper loss of the section (estimate)</translation>
    </message>
    <message>
        <source>Заполнение окна:</source>
        <translation>Window fill:</translation>
    </message>
    <message>
        <source>без учета каркаса и изоляции</source>
        <translation>bobbin and insulation not included</translation>
    </message>
    <message>
        <source>Потери в меди (оценка):</source>
        <translation>Copper loss (estimate):</translation>
    </message>
    <message>
        <source>Сердечник + медь:</source>
        <translation>Core + copper:</translation>
    </message>
    <message>
        <source>Перегрев сердечника и обмоток:</source>
        <translation>Rise of core and windings:</translation>
    </message>
    <message>
        <source>КПД:</source>
        <translation>Efficiency:</translation>
    </message>
    <message>
        <source>Обмотка не помещается в окно сердечника</source>
        <translation>The winding does not fit the core window</translation>
    </message>
    <message>
        <source> Вт</source>
        <translation> W</translation>
    </message>
    <message>
        <source> К</source>
        <translation> K</translation>
    </message>
    <message>
        <source>Заполнение окна медью:</source>
        <translation>Copper fill of the window:</translation>
    </message>
    <message>
        <source>в окне каркаса, без учета изоляции</source>
        <translation>in the bobbin&apos;s window, insulation not included</translation>
    </message>
</context>
</TS>
