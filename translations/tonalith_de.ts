<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ConversionListPanel</name>
    <message>
        <location filename="../src/gui/list/ConversionListPanel.ui" line="21"/>
        <source>Drag audio files from folder and drop here</source>
        <translation>Audiodateien aus einem Ordner hierher ziehen</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="6"/>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="65"/>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="30"/>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="40"/>
        <source>Select an output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="43"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="62"/>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="6"/>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="14"/>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="28"/>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="42"/>
        <source>Contains:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="52"/>
        <source>Size of files:</source>
        <translation>Dateigröße:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="62"/>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="6"/>
        <source>Output Format   </source>
        <translation>Ausgabeformat   </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="42"/>
        <source>PCM (Standard WAV)</source>
        <translation>PCM (Standard-WAV)</translation>
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
        <translation>ADPCM (komprimiertes WAV )</translation>
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
        <translation>Gängige Formate</translation>
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
        <translation>Ändern</translation>
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
        <translation>Weitere Formate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="226"/>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
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
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="351"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="358"/>
        <source>Stereo</source>
        <translation>Stereo</translation>
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
        <translation>FLAC, ALAC, AAC und Opus</translation>
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
        <translation>Kanäle: behalten (bis 7.1), Stereo oder Mono</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="635"/>
        <source>Adjust Volume</source>
        <translation>Lautstärke anpassen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="668"/>
        <source>No Change</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="678"/>
        <source>Change As</source>
        <translation>Ändern auf</translation>
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
        <translation>Steuerung</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="138"/>
        <location filename="../src/gui/main/MainWindow.ui" line="241"/>
        <source>Audio File Info Editor</source>
        <translation>Audiodatei-Infos bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="145"/>
        <location filename="../src/gui/main/MainWindow.ui" line="233"/>
        <source>Output Format Options Panel</source>
        <translation>Einstellungen des Ausgabeformats</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="168"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="180"/>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="189"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="202"/>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="205"/>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="210"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="213"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="218"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="223"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="228"/>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="244"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="249"/>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="252"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="257"/>
        <source>Help Contents</source>
        <translation>Hilfe-Inhalt</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="262"/>
        <source>Email Support</source>
        <translation>Support per E-Mail</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="267"/>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="14"/>
        <source>Set MP3 Format</source>
        <translation>MP3-Format einstellen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="26"/>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="36"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="42"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="48"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="58"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="64"/>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="74"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="95"/>
        <source>Encoder Quality</source>
        <translation>Encoder-Qualität</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="102"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="147"/>
        <source>better</source>
        <translation>besser</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="109"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="154"/>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="119"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="140"/>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="165"/>
        <source>Filtering</source>
        <translation>Filterung</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="171"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="174"/>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Frequenz des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="191"/>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Breite des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="211"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="214"/>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Frequenz des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="231"/>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Breite des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="259"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="265"/>
        <source>Coding Method:</source>
        <translation>Kodierverfahren:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="278"/>
        <source>VBR Quality:</source>
        <translation>VBR-Qualität:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="298"/>
        <source>Targed bitrate for ABR:</source>
        <translation>Ziel-Bitrate für ABR:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="318"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="349"/>
        <source>Maximum VBR Bitrate</source>
        <translation>Maximale VBR-Bitrate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="327"/>
        <source>Current bitrate: 128 kbit</source>
        <translation>Aktuelle Bitrate: 128 kbit</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="359"/>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="368"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="371"/>
        <source>Write VBR Header</source>
        <translation>VBR-Header schreiben</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="378"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="381"/>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Minimale Bitrate strikt einhalten</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="392"/>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="398"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="401"/>
        <source>include CRC -Checksums</source>
        <translation>CRC-Prüfsummen einfügen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="408"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="411"/>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>so genau wie möglich der ISO-MPEG-Norm folgen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="418"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="421"/>
        <source>allow block types to differ between channels</source>
        <translation>unterschiedliche Blocktypen je Kanal erlauben</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="428"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="431"/>
        <source>short blocks</source>
        <translation>kurze Blöcke</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="438"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="441"/>
        <source>bit reservoir</source>
        <translation>Bit-Reservoir</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="448"/>
        <source>ATH Control:</source>
        <translation>ATH-Steuerung:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="461"/>
        <source>De-emphasis :</source>
        <translation>De-Emphasis:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="475"/>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="484"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="487"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="500"/>
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="508"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="511"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="524"/>
        <source>Alt-Preset</source>
        <translation>Alt-Voreinstellung</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="533"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="539"/>
        <source>Command Line</source>
        <translation>Befehlszeile</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="585"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="588"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="6"/>
        <source>Set OGG Format</source>
        <translation>OGG-Format einstellen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="11"/>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="13"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="19"/>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="22"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="23"/>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="24"/>
        <source>VBR Enabled</source>
        <translation>VBR aktiviert</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="25"/>
        <source>Quality Enabled</source>
        <translation>Qualität aktiviert</translation>
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
        <translation>Min. Bitrate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="34"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="35"/>
        <source>Max Bitrate</source>
        <translation>Max. Bitrate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="41"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="44"/>
        <source>Quality (Compression)</source>
        <translation>Qualität (Kompression)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="45"/>
        <source>better</source>
        <translation>besser</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="46"/>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="56"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="57"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="58"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="6"/>
        <source>Play   </source>
        <translation>Abspielen   </translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="48"/>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="60"/>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="82"/>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="104"/>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="126"/>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="160"/>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="6"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="48"/>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="45"/>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Die gespeicherten Profile; ein gewähltes Profil stellt die Regler ein, die es umfasst</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="60"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="63"/>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="66"/>
        <source>Save the current settings as a profile</source>
        <translation>Die aktuellen Einstellungen als Profil speichern</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="73"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="76"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="79"/>
        <source>Delete the chosen profile</source>
        <translation>Das gewählte Profil löschen</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="6"/>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="19"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="20"/>
        <source>Convert From</source>
        <translation>Konvertieren aus</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="28"/>
        <source>Converting from</source>
        <translation>Konvertiere aus</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="35"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="36"/>
        <source>Convert To</source>
        <translation>Konvertieren nach</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="44"/>
        <source>Converting to</source>
        <translation>Konvertiere nach</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="53"/>
        <source>Running outputs</source>
        <translation>Laufende Ausgaben</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="59"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="60"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="71"/>
        <source>Processing</source>
        <translation>Verarbeitung</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="77"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="78"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="93"/>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="99"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="101"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="70"/>
        <source>Up One Level</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="92"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="114"/>
        <source>Large Icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="142"/>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="170"/>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="201"/>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="8"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="23"/>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Neben dem Klang kann eine Audiodatei Angaben über sich enthalten: Titel, Interpret, Album und Ähnliches, die Medienspieler bei der Wiedergabe anzeigen. Diese Angaben stehen in der Datei selbst; sie sind nicht der Dateiname.</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="31"/>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>In MPEG-Audiodateien (MP3, MP2) heißen diese Angaben ID3-Tag. Es gibt zwei Versionen, ID3v1 und ID3v2; ID3v2 ist am weitesten verbreitet.</translation>
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
        <translation>Audiodatei-Infos bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="37"/>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track:</source>
        <translation>Titelnummer:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="51"/>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="52"/>
        <source>Mpeg Files Tag Version</source>
        <translation>Tag-Version für MPEG-Dateien</translation>
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
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; Was sind Audiodatei-Infos?&lt;/a&gt;</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="65"/>
        <source> What is audio file info?</source>
        <translation> Was sind Audiodatei-Infos?</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="72"/>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="74"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="75"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="6"/>
        <source>Set WAV Format</source>
        <translation>WAV-Format einstellen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="15"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="16"/>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="17"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="18"/>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="19"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="20"/>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="28"/>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Wenn Sie nicht sicher sind, welches Format Sie möchten, können Sie das Format einer Beispieldatei übernehmen.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="29"/>
        <source>Set Format As Sample File</source>
        <translation>Format einer Beispieldatei übernehmen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="38"/>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="39"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="40"/>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
</TS>
