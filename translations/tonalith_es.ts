<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ConversionListPanel</name>
    <message>
        <location filename="../src/gui/list/ConversionListPanel.ui" line="21"/>
        <source>Drag audio files from folder and drop here</source>
        <translation>Arrastre aquí archivos de audio desde una carpeta</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="6"/>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="65"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="30"/>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="40"/>
        <source>Select an output folder</source>
        <translation>Seleccione una carpeta de salida</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="43"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="62"/>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="6"/>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="14"/>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="28"/>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="42"/>
        <source>Contains:</source>
        <translation>Contenido:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="52"/>
        <source>Size of files:</source>
        <translation>Tamaño de archivos:</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="62"/>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="6"/>
        <source>Output Format   </source>
        <translation>Formato de salida   </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="42"/>
        <source>PCM (Standard WAV)</source>
        <translation>PCM (WAV estándar)</translation>
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
        <translation>ADPCM (WAV comprimido )</translation>
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
        <translation>Formatos comunes</translation>
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
        <translation>Ajustar</translation>
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
        <translation>Otros formatos</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="226"/>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
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
        <translation>Canales</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="351"/>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="358"/>
        <source>Stereo</source>
        <translation>Estéreo</translation>
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
        <translation>FLAC, ALAC, AAC y Opus</translation>
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
        <translation>Canales: conservar (hasta 7.1), estéreo o mono</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="635"/>
        <source>Adjust Volume</source>
        <translation>Ajustar volumen</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="668"/>
        <source>No Change</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="678"/>
        <source>Change As</source>
        <translation>Cambiar a</translation>
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
        <translation>Panel de control</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="138"/>
        <location filename="../src/gui/main/MainWindow.ui" line="241"/>
        <source>Audio File Info Editor</source>
        <translation>Editor de información de audio</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="145"/>
        <location filename="../src/gui/main/MainWindow.ui" line="233"/>
        <source>Output Format Options Panel</source>
        <translation>Opciones del formato de salida</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="168"/>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="180"/>
        <source>&amp;Action</source>
        <translation>A&amp;cción</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="189"/>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="202"/>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="205"/>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="210"/>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="213"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="218"/>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="223"/>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="228"/>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="244"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="249"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="252"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="257"/>
        <source>Help Contents</source>
        <translation>Contenido de la ayuda</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="262"/>
        <source>Email Support</source>
        <translation>Soporte por correo</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="267"/>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="14"/>
        <source>Set MP3 Format</source>
        <translation>Ajustar formato MP3</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="26"/>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="36"/>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="42"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="48"/>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="58"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="64"/>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="74"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="95"/>
        <source>Encoder Quality</source>
        <translation>Calidad del codificador</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="102"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="147"/>
        <source>better</source>
        <translation>mejor</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="109"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="154"/>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="119"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="140"/>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="165"/>
        <source>Filtering</source>
        <translation>Filtrado</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="171"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="174"/>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro de paso alto (en Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="191"/>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Ancho del filtro de paso alto (en Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="211"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="214"/>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro de paso bajo (en Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="231"/>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Ancho del filtro de paso bajo (en Hz):</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="259"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="265"/>
        <source>Coding Method:</source>
        <translation>Método de codificación:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="278"/>
        <source>VBR Quality:</source>
        <translation>Calidad VBR:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="298"/>
        <source>Targed bitrate for ABR:</source>
        <translation>Tasa de bits objetivo para ABR:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="318"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="349"/>
        <source>Maximum VBR Bitrate</source>
        <translation>Tasa de bits VBR máxima</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="327"/>
        <source>Current bitrate: 128 kbit</source>
        <translation>Tasa de bits actual: 128 kbit</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="359"/>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="368"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="371"/>
        <source>Write VBR Header</source>
        <translation>Escribir cabecera VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="378"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="381"/>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Forzar estrictamente la tasa de bits mínima</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="392"/>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="398"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="401"/>
        <source>include CRC -Checksums</source>
        <translation>incluir sumas de verificación CRC</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="408"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="411"/>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>cumplir en lo posible la norma ISO MPEG</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="418"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="421"/>
        <source>allow block types to differ between channels</source>
        <translation>permitir tipos de bloque distintos por canal</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="428"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="431"/>
        <source>short blocks</source>
        <translation>bloques cortos</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="438"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="441"/>
        <source>bit reservoir</source>
        <translation>reserva de bits</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="448"/>
        <source>ATH Control:</source>
        <translation>Control ATH:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="461"/>
        <source>De-emphasis :</source>
        <translation>De-énfasis:</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="475"/>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="484"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="487"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="500"/>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="508"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="511"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="524"/>
        <source>Alt-Preset</source>
        <translation>Preajuste alt.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="533"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="539"/>
        <source>Command Line</source>
        <translation>Línea de órdenes</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="559"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="562"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="572"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="575"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="585"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="588"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="6"/>
        <source>Set OGG Format</source>
        <translation>Ajustar formato OGG</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="11"/>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="13"/>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="19"/>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="22"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="23"/>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="24"/>
        <source>VBR Enabled</source>
        <translation>VBR activado</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="25"/>
        <source>Quality Enabled</source>
        <translation>Calidad activada</translation>
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
        <translation>Tasa mín.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="34"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="35"/>
        <source>Max Bitrate</source>
        <translation>Tasa máx.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="41"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="44"/>
        <source>Quality (Compression)</source>
        <translation>Calidad (compresión)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="45"/>
        <source>better</source>
        <translation>mejor</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="46"/>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="56"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="57"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="58"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="6"/>
        <source>Play   </source>
        <translation>Reproducir   </translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="48"/>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="60"/>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="82"/>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="104"/>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="126"/>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="160"/>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="6"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="48"/>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="45"/>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Los perfiles guardados; elegir uno ajusta los controles que abarca</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="60"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="63"/>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="66"/>
        <source>Save the current settings as a profile</source>
        <translation>Guardar los ajustes actuales como perfil</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="73"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="76"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="79"/>
        <source>Delete the chosen profile</source>
        <translation>Eliminar el perfil elegido</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="6"/>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="19"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="20"/>
        <source>Convert From</source>
        <translation>Convertir desde</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="28"/>
        <source>Converting from</source>
        <translation>Convirtiendo desde</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="35"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="36"/>
        <source>Convert To</source>
        <translation>Convertir a</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="44"/>
        <source>Converting to</source>
        <translation>Convirtiendo a</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="53"/>
        <source>Running outputs</source>
        <translation>Salidas en curso</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="59"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="60"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="71"/>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="77"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="78"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="93"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="99"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="101"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="70"/>
        <source>Up One Level</source>
        <translation>Subir un nivel</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="92"/>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="114"/>
        <source>Large Icons</source>
        <translation>Iconos grandes</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="142"/>
        <source>Small Icons</source>
        <translation>Iconos pequeños</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="170"/>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="201"/>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="8"/>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="23"/>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Además del sonido, un archivo de audio puede llevar datos sobre sí mismo: el título, el artista, el álbum y similares, que los reproductores muestran al reproducirlo. Estos datos se guardan dentro del propio archivo; no son el nombre del archivo.</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="31"/>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>En los archivos de audio MPEG (MP3, MP2) esta información se llama etiqueta ID3. Existe en dos versiones, ID3v1 e ID3v2; ID3v2 es la más extendida.</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="43"/>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="9"/>
        <source>Audio File Info Editor</source>
        <translation>Editor de información de audio</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="37"/>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="51"/>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="52"/>
        <source>Mpeg Files Tag Version</source>
        <translation>Versión de etiqueta de archivos MPEG</translation>
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
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; ¿Qué es la información de audio?&lt;/a&gt;</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="65"/>
        <source> What is audio file info?</source>
        <translation> ¿Qué es la información de audio?</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="72"/>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="74"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="75"/>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="6"/>
        <source>Set WAV Format</source>
        <translation>Ajustar formato WAV</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="15"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="16"/>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="17"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="18"/>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="19"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="20"/>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="28"/>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Si no está seguro del formato que desea, puede tomar el de un archivo de muestra.</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="29"/>
        <source>Set Format As Sample File</source>
        <translation>Formato de un archivo de muestra</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="38"/>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="39"/>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="40"/>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
</TS>
