<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ConversionListPanel</name>
    <message>
        <location filename="../src/gui/list/ConversionListPanel.ui" line="21"/>
        <source>Drag audio files from folder and drop here</source>
        <translation>Перетащите сюда аудиофайлы из папки</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="6"/>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="65"/>
        <source>Convert</source>
        <translation>Старт</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="30"/>
        <source>Output Folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="40"/>
        <source>Select an output folder</source>
        <translation>Выберите папку назначения</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="43"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="62"/>
        <source>Write</source>
        <translation>Записать</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="6"/>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="14"/>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="28"/>
        <source>Location:</source>
        <translation>Расположение:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="42"/>
        <source>Contains:</source>
        <translation>Содержит:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="52"/>
        <source>Size of files:</source>
        <translation>Размер файлов:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="62"/>
        <source>Modified:</source>
        <translation>Изменено:</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="6"/>
        <source>Output Format   </source>
        <translation>Формат вывода   </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="42"/>
        <source>PCM (Standard WAV)</source>
        <translation>PCM (стандартный WAV)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="49"/>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="56"/>
        <source>OGG </source>
        <translation>OGG </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="63"/>
        <source>WMA</source>
        <translation>WMA</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="70"/>
        <source>ADPCM (Compressed WAV )</source>
        <translation>ADPCM (сжатый WAV )</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="77"/>
        <source>GSM (WAV) </source>
        <translation>GSM (WAV) </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="84"/>
        <source>DSP (WAV) </source>
        <translation>DSP (WAV) </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="91"/>
        <source>VOX </source>
        <translation>VOX </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="98"/>
        <source>RAW </source>
        <translation>RAW </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="105"/>
        <source>MP2 </source>
        <translation>MP2 </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="112"/>
        <source>G.721</source>
        <translation>G.721</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="119"/>
        <source>G.723 </source>
        <translation>G.723 </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="126"/>
        <source>G.726 </source>
        <translation>G.726 </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="133"/>
        <source>FLAC</source>
        <translation>FLAC</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="140"/>
        <source>ALAC</source>
        <translation>ALAC</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="147"/>
        <source>AAC (M4A)</source>
        <translation>AAC (M4A)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="154"/>
        <source>Opus</source>
        <translation>Opus</translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="24"/>
        <source>Common Format</source>
        <translation>Основные форматы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="60"/>
        <source>PCM </source>
        <translation>PCM </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="74"/>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="107"/>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="140"/>
        <source>Set</source>
        <translation>Изм.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="93"/>
        <source>MP3</source>
        <translation>MP3</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="126"/>
        <source>OGG</source>
        <translation>OGG</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="159"/>
        <source> WMA</source>
        <translation> WMA</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="185"/>
        <source>Other Format</source>
        <translation>Другие форматы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="226"/>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="256"/>
        <source>8000</source>
        <translation>8000</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="263"/>
        <source>11025</source>
        <translation>11025</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="270"/>
        <source>16000</source>
        <translation>16000</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="277"/>
        <source>22050</source>
        <translation>22050</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="284"/>
        <source>24000</source>
        <translation>24000</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="291"/>
        <source>32000</source>
        <translation>32000</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="298"/>
        <source>44100</source>
        <translation>44100</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="308"/>
        <source>48000</source>
        <translation>48000</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="318"/>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="351"/>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="358"/>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="373"/>
        <source>ADPCM</source>
        <translation>ADPCM</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="383"/>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="393"/>
        <source>DSP</source>
        <translation>DSP</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="403"/>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="413"/>
        <source>RAW</source>
        <translation>RAW</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="423"/>
        <source>MP2</source>
        <translation>MP2</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="433"/>
        <source>G.723</source>
        <translation>G.723</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="459"/>
        <source>G.726</source>
        <translation>G.726</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="488"/>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation>FLAC, ALAC, AAC и Opus</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="524"/>
        <source>FLAC</source>
        <translation>FLAC</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="551"/>
        <source>ALAC</source>
        <translation>ALAC</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="565"/>
        <source>AAC (M4A)</source>
        <translation>AAC (M4A)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="583"/>
        <source>Opus</source>
        <translation>Opus</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="604"/>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="611"/>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="618"/>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="625"/>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation>Каналы: как есть (до 7.1), стерео или моно</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="635"/>
        <source>Adjust Volume</source>
        <translation>Изменить громкость</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="668"/>
        <source>No Change</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="678"/>
        <source>Change As</source>
        <translation>Изменить на</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="710"/>
        <source>%</source>
        <translation>%</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="14"/>
        <source>Tonalith</source>
        <translation>Tonalith</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="117"/>
        <source>Control Panel</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="138"/>
        <location filename="../src/gui/main/MainWindow.ui" line="241"/>
        <source>Audio File Info Editor</source>
        <translation>Редактор сведений об аудиофайле</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="145"/>
        <location filename="../src/gui/main/MainWindow.ui" line="233"/>
        <source>Output Format Options Panel</source>
        <translation>Параметры формата вывода</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="168"/>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="180"/>
        <source>&amp;Action</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="189"/>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="202"/>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="205"/>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="210"/>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="213"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="218"/>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="223"/>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="228"/>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="244"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="249"/>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="252"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="257"/>
        <source>Help Contents</source>
        <translation>Содержание справки</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="262"/>
        <source>Email Support</source>
        <translation>Написать в поддержку</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="267"/>
        <source>About</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="14"/>
        <source>Set MP3 Format</source>
        <translation>Настройка формата MP3</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="26"/>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="36"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="42"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="48"/>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="58"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="64"/>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="74"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="95"/>
        <source>Encoder Quality</source>
        <translation>Качество кодирования</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="102"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="147"/>
        <source>better</source>
        <translation>лучше</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="109"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="154"/>
        <source>faster</source>
        <translation>быстрее</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="119"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="140"/>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="165"/>
        <source>Filtering</source>
        <translation>Фильтрация</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="171"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="174"/>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Частота фильтра верхних частот (Гц):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="191"/>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Ширина фильтра верхних частот (Гц):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="211"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="214"/>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Частота фильтра нижних частот (Гц):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="231"/>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Ширина фильтра нижних частот (Гц):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="259"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="265"/>
        <source>Coding Method:</source>
        <translation>Метод кодирования:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="278"/>
        <source>VBR Quality:</source>
        <translation>Качество VBR:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="298"/>
        <source>Targed bitrate for ABR:</source>
        <translation>Целевой битрейт ABR:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="318"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="349"/>
        <source>Maximum VBR Bitrate</source>
        <translation>Макс. битрейт VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="327"/>
        <source>Current bitrate: 128 kbit</source>
        <translation>Текущий битрейт: 128 кбит</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="359"/>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="368"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="371"/>
        <source>Write VBR Header</source>
        <translation>Записывать заголовок VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="378"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="381"/>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Строго соблюдать мин. битрейт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="392"/>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="398"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="401"/>
        <source>include CRC -Checksums</source>
        <translation>включать контрольные суммы CRC</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="408"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="411"/>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>по возможности следовать стандарту ISO MPEG</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="418"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="421"/>
        <source>allow block types to differ between channels</source>
        <translation>разные типы блоков в каналах</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="428"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="431"/>
        <source>short blocks</source>
        <translation>короткие блоки</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="438"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="441"/>
        <source>bit reservoir</source>
        <translation>битовый резервуар</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="448"/>
        <source>ATH Control:</source>
        <translation>Управление ATH:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="461"/>
        <source>De-emphasis :</source>
        <translation>Деэмфазис:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="475"/>
        <source>Presets</source>
        <translation>Предустановки</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="484"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="487"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="500"/>
        <source>Preset</source>
        <translation>Предустановка</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="508"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="511"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="524"/>
        <source>Alt-Preset</source>
        <translation>Альт. предустановка</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="533"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="539"/>
        <source>Command Line</source>
        <translation>Командная строка</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="559"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="562"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="572"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="575"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="585"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="588"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="6"/>
        <source>Set OGG Format</source>
        <translation>Настройка формата OGG</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="11"/>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="13"/>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="19"/>
        <source>Option</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="22"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="23"/>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="24"/>
        <source>VBR Enabled</source>
        <translation>Включить VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="25"/>
        <source>Quality Enabled</source>
        <translation>Режим качества</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="28"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="32"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="33"/>
        <source>Min Bitrate</source>
        <translation>Мин. битрейт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="34"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="35"/>
        <source>Max Bitrate</source>
        <translation>Макс. битрейт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="41"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="44"/>
        <source>Quality (Compression)</source>
        <translation>Качество (сжатие)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="45"/>
        <source>better</source>
        <translation>лучше</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="46"/>
        <source>faster</source>
        <translation>быстрее</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="56"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="57"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="58"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="6"/>
        <source>Play   </source>
        <translation>Воспроизведение   </translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="48"/>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="60"/>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="82"/>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="104"/>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="126"/>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="160"/>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="6"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="48"/>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="45"/>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Сохранённые профили; выбранный профиль задаёт значения своих параметров</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="60"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="63"/>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="66"/>
        <source>Save the current settings as a profile</source>
        <translation>Сохранить текущие настройки как профиль</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="73"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="76"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="79"/>
        <source>Delete the chosen profile</source>
        <translation>Удалить выбранный профиль</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="6"/>
        <source>Convert</source>
        <translation>Конвертирование</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="19"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="20"/>
        <source>Convert From</source>
        <translation>Источник</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="28"/>
        <source>Converting from</source>
        <translation>Конвертирование из</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="35"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="36"/>
        <source>Convert To</source>
        <translation>Результат</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="44"/>
        <source>Converting to</source>
        <translation>Конвертирование в</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="53"/>
        <source>Running outputs</source>
        <translation>Выполняемые преобразования</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="59"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="60"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="71"/>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="77"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="78"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="93"/>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="99"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="101"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="70"/>
        <source>Up One Level</source>
        <translation>На уровень вверх</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="92"/>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="114"/>
        <source>Large Icons</source>
        <translation>Крупные значки</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="142"/>
        <source>Small Icons</source>
        <translation>Мелкие значки</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="170"/>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="201"/>
        <source>Details</source>
        <translation>Подробно</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="8"/>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="23"/>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Кроме звука, аудиофайл может содержать сведения о нём: название, исполнителя, альбом и т. п., которые проигрыватели показывают во время воспроизведения. Эти сведения хранятся в самом файле; это не имя файла.</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="31"/>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>В аудиофайлах MPEG (MP3, MP2) эти сведения называются тегом ID3. Есть две версии, ID3v1 и ID3v2; шире всего используется ID3v2.</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="43"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="9"/>
        <source>Audio File Info Editor</source>
        <translation>Редактор сведений об аудиофайле</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="37"/>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track:</source>
        <translation>Дорожка:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track</source>
        <translation>Дорожка</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment:</source>
        <translation>Комментарий:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="51"/>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="52"/>
        <source>Mpeg Files Tag Version</source>
        <translation>Версия тегов файлов MPEG</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="57"/>
        <source>ID3v1</source>
        <translation>ID3v1</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="58"/>
        <source>ID3v2</source>
        <translation>ID3v2</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="62"/>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; Что такое сведения об аудиофайле?&lt;/a&gt;</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="65"/>
        <source> What is audio file info?</source>
        <translation> Что такое сведения об аудиофайле?</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="72"/>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="74"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="75"/>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="6"/>
        <source>Set WAV Format</source>
        <translation>Настройка формата WAV</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="15"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="16"/>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="17"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="18"/>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="19"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="20"/>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="28"/>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Если вы не знаете, какой формат выбрать, можно взять формат файла-образца.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="29"/>
        <source>Set Format As Sample File</source>
        <translation>Взять формат из образца</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="38"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="39"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="40"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
</TS>
