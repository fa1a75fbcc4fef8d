<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Copyright (C) The Tonalith authors.</source>
        <translation>Copyright (C) Los autores de Tonalith.</translation>
    </message>
    <message>
        <source>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</source>
        <translation>Códecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Initialize Error! Please reinstall Tonalith!</source>
        <translation>¡Error de inicialización! ¡Reinstale Tonalith!</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Made, but incomplete:</source>
        <translation>Creadas, pero incompletas:</translation>
    </message>
    <message>
        <source>Conversion is finished!</source>
        <translation>¡La conversión ha terminado!</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n outputs were made. Not made:</source>
        <translation>
            <numerusform>Salidas creadas: %1 de %n. No creadas:</numerusform>
            <numerusform>Salidas creadas: %1 de %n. No creadas:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... y %n más.</numerusform>
            <numerusform>... y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion was cancelled. These files were kept as they were, and their partial outputs dropped:
%1</source>
        <translation>Se ha cancelado la conversión. Estos archivos se han conservado tal como estaban y sus salidas parciales se han descartado:
%1</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read from sample %2.</source>
        <translation>No se puede leer la imagen «%1» a partir de la muestra %2.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be opened (error %2).</source>
        <translation>No se puede abrir la imagen «%1» (error %2).</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds no sound.</source>
        <translation>La imagen «%1» no contiene sonido.</translation>
    </message>
    <message>
        <source>The loudness meter cannot measure %1 Hz with %2 channels.</source>
        <translation>El medidor de sonoridad no puede medir %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>The loudness meter cannot count a mono channel twice.</source>
        <translation>El medidor de sonoridad no puede contar dos veces un canal mono.</translation>
    </message>
    <message>
        <source>The loudness meter refused a block of the source.</source>
        <translation>El medidor de sonoridad ha rechazado un bloque del origen.</translation>
    </message>
    <message>
        <source>The loudness of the source cannot be measured.</source>
        <translation>No se puede medir la sonoridad del origen.</translation>
    </message>
    <message>
        <source>The true peak of the source cannot be measured.</source>
        <translation>No se puede medir el pico real del origen.</translation>
    </message>
    <message>
        <source>The loudness of the album cannot be measured.</source>
        <translation>No se puede medir la sonoridad del álbum.</translation>
    </message>
    <message>
        <source>not below the folder whose tree is kept</source>
        <translation>fuera de la carpeta cuyo árbol se conserva</translation>
    </message>
    <message>
        <source>no free name beside %1</source>
        <translation>no hay un nombre libre junto a %1</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>%1 was incomplete (%2) and was made again</source>
        <translation>%1 estaba incompleto (%2) y se ha rehecho</translation>
    </message>
    <message>
        <source>cancelled; the earlier %1 was kept and the partial output dropped</source>
        <translation>cancelado; se ha conservado el archivo %1 anterior y descartado la salida parcial</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>the loudness cannot be measured (%1)</source>
        <translation>no se puede medir la sonoridad (%1)</translation>
    </message>
    <message>
        <source>the writer cannot be prepared for %1</source>
        <translation>no se puede preparar la escritura para %1</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>no se puede crear %1</translation>
    </message>
    <message>
        <source>cannot open the source</source>
        <translation>no se puede abrir el origen</translation>
    </message>
    <message>
        <source>the output failed its check and was dropped</source>
        <translation>la salida no ha superado la comprobación y se ha descartado</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>la conversión ha fallado</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free temporary name beside it.</source>
        <translation>No se puede crear «%1»: no hay un nombre temporal libre junto a él.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>un número entero de %1 a %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>uno de %1</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 o 1</translation>
    </message>
    <message>
        <source>empty or </source>
        <translation>vacío o </translation>
    </message>
    <message>
        <source>keep, 2 or 1</source>
        <translation>keep, 2 o 1</translation>
    </message>
    <message>
        <source>empty, keep, 2 or 1</source>
        <translation>vacío, keep, 2 o 1</translation>
    </message>
    <message>
        <source>format names such as &quot;mp3 flac&quot; (&quot;%1&quot; is none)</source>
        <translation>nombres de formato como «mp3 flac» («%1» no lo es)</translation>
    </message>
    <message>
        <source>a name template (%1)</source>
        <translation>una plantilla de nombre (%1)</translation>
    </message>
    <message>
        <source>replace, new or skip</source>
        <translation>replace, new o skip</translation>
    </message>
    <message>
        <source>empty or a loudness from -70 to -5 LUFS</source>
        <translation>vacío o una sonoridad de -70 a -5 LUFS</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; is damaged: %2. Nothing was changed.</source>
        <translation>El perfil «%1» está dañado: %2. No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; does not exist.</source>
        <translation>El archivo de perfil «%1» no existe.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is %1 bytes long, far more than a profile</source>
        <translation>ocupa %1 bytes, mucho más que un perfil</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo de perfil «%1».</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>no es texto</translation>
    </message>
    <message>
        <source>The profile cannot keep &quot;%1&quot;: it holds a line break.</source>
        <translation>El perfil no puede guardar «%1»: contiene un salto de línea.</translation>
    </message>
    <message>
        <source>There is no profile named &quot;%1&quot;.</source>
        <translation>No hay ningún perfil llamado «%1».</translation>
    </message>
    <message>
        <source>The profiles folder &quot;%1&quot; cannot be made.</source>
        <translation>No se puede crear la carpeta de perfiles «%1».</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be deleted.</source>
        <translation>No se puede eliminar el perfil «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a profile: </source>
        <translation>«%1» no puede ser nombre de perfil: </translation>
    </message>
    <message>
        <source>the name is empty.</source>
        <translation>el nombre está vacío.</translation>
    </message>
    <message>
        <source>a name has at most %1 characters.</source>
        <translation>un nombre tiene como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>a name does not start or end with a blank.</source>
        <translation>un nombre no empieza ni termina con un espacio.</translation>
    </message>
    <message>
        <source>a name does not start with a dot.</source>
        <translation>un nombre no empieza por un punto.</translation>
    </message>
    <message>
        <source>a name holds no folder separator and no control character.</source>
        <translation>un nombre no contiene separadores de carpeta ni caracteres de control.</translation>
    </message>
    <message>
        <source>it has no [profile] section with its version</source>
        <translation>no tiene una sección [profile] con su versión</translation>
    </message>
    <message>
        <source>%1/%2 is given twice</source>
        <translation>%1/%2 aparece dos veces</translation>
    </message>
    <message>
        <source>%1/%2 is &quot;%3&quot;, where it takes %4</source>
        <translation>%1/%2 es «%3», pero admite %4</translation>
    </message>
    <message>
        <source>The profile cannot be written to &quot;%1&quot;: %2</source>
        <translation>No se puede escribir el perfil en «%1»: %2</translation>
    </message>
    <message>
        <source>%1  Checking %2%</source>
        <translation>%1  Comprobando %2%</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, quedan %1</translation>
    </message>
    <message>
        <source>The audio file is invalid or the format is not supported!!</source>
        <translation>¡¡El archivo de audio no es válido o su formato no es compatible!!</translation>
    </message>
    <message>
        <source>Converter Error</source>
        <translation>Error de conversión</translation>
    </message>
    <message>
        <source>The video file is invalid or the format is not supported!!</source>
        <translation>¡¡El archivo de vídeo no es válido o su formato no es compatible!!</translation>
    </message>
    <message>
        <source>Extract Error</source>
        <translation>Error de extracción</translation>
    </message>
    <message>
        <source>Every output name leads to the source itself.</source>
        <translation>Todos los nombres de salida apuntan al propio origen.</translation>
    </message>
    <message>
        <source>The output file cannot be created (error %1).</source>
        <translation>No se puede crear el archivo de salida (error %1).</translation>
    </message>
    <message>
        <source>No sound could be decoded from &quot;%1&quot;.</source>
        <translation>No se ha podido decodificar sonido de «%1».</translation>
    </message>
    <message>
        <source>its tags could not be copied: %1</source>
        <translation>no se han podido copiar sus etiquetas: %1</translation>
    </message>
    <message>
        <source>Please add audio files and check them!</source>
        <translation>¡Añada archivos de audio y márquelos!</translation>
    </message>
    <message>
        <source>&quot;Even out loudness&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Even out loudness&quot; off.</source>
        <translation>«Igualar la sonoridad» (Opciones) y un cambio de volumen no pueden usarse juntos. Ponga el volumen en «Sin cambios» o desactive «Igualar la sonoridad».</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Write ReplayGain tags&quot; off.</source>
        <translation>«Escribir etiquetas ReplayGain» (Opciones) y un cambio de volumen no pueden usarse juntos. Ponga el volumen en «Sin cambios» o desactive «Escribir etiquetas ReplayGain».</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; and &quot;Even out loudness&quot; (Options) cannot be used together: the one keeps the samples and tags them, the other changes them. Turn one of them off.</source>
        <translation>«Escribir etiquetas ReplayGain» e «Igualar la sonoridad» (Opciones) no pueden usarse juntos: uno conserva las muestras y las etiqueta, el otro las modifica. Desactive uno de ellos.</translation>
    </message>
    <message>
        <source>A mirrored folder tree needs an output folder. Please choose one.</source>
        <translation>Un árbol de carpetas reproducido necesita una carpeta de salida. Elija una.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>No se pueden escribir las etiquetas en «%1».</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror.</source>
        <translation>Elija la carpeta que replicar.</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror it into.</source>
        <translation>Elija la carpeta donde replicarla.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full folder path.</source>
        <translation>«%1» no es una ruta de carpeta completa.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>La carpeta «%1» no existe.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder cannot be mirrored into itself.</source>
        <translation>No se puede replicar una carpeta dentro de sí misma.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; lies inside the folder it mirrors.</source>
        <translation>El destino «%1» está dentro de la carpeta que replica.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; lies inside its destination.</source>
        <translation>La carpeta «%1» está dentro de su destino.</translation>
    </message>
    <message>
        <source>Mirroring was stopped.</source>
        <translation>Se ha detenido la réplica.</translation>
    </message>
    <message>
        <source>Mirroring is finished.</source>
        <translation>La réplica ha terminado.</translation>
    </message>
    <message>
        <source>Converted: %1, copied: %2, unchanged: %3, pruned: %4, failed: %5.</source>
        <translation>Convertidos: %1, copiados: %2, sin cambios: %3, eliminados: %4, fallidos: %5.</translation>
    </message>
    <message>
        <source>The list of mirrored files in &quot;%1&quot; cannot be written: the next mirror makes every file again.</source>
        <translation>No se puede escribir la lista de archivos replicados en «%1»: la próxima réplica volverá a crear todos los archivos.</translation>
    </message>
</context>
<context>
    <name>Components</name>
    <message>
        <source>These encoders are missing from the installed libraries: %1</source>
        <translation>Faltan estos codificadores en las bibliotecas instaladas: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>No se pueden escribir las etiquetas en «%1».</translation>
    </message>
    <message>
        <source>Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).</source>
        <translation>La versión de etiqueta %1 no existe; use 1 (ID3v1) o 2 (ID3v2).</translation>
    </message>
    <message>
        <source>Unknown property name &quot;%1&quot;.</source>
        <translation>Nombre de propiedad desconocido: «%1».</translation>
    </message>
    <message>
        <source>The loudness tags cannot be written to &quot;%1&quot;.</source>
        <translation>No se pueden escribir las etiquetas de sonoridad en «%1».</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 a bad value: &quot;%2&quot;.</source>
        <translation>La línea de órdenes MP3 da a la opción %1 un valor incorrecto: «%2».</translation>
    </message>
    <message>
        <source>The MP3 command line names a preset LAME does not know: &quot;%1&quot;.</source>
        <translation>La línea de órdenes MP3 indica un preajuste que LAME no conoce: «%1».</translation>
    </message>
    <message>
        <source>The MP3 command line has a switch LAME does not know: %1</source>
        <translation>La línea de órdenes MP3 tiene una opción que LAME no conoce: %1</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 no value.</source>
        <translation>La línea de órdenes MP3 no da ningún valor a la opción %1.</translation>
    </message>
    <message>
        <source>The MP3 encoder has no setting %1.</source>
        <translation>El codificador MP3 no tiene el ajuste %1.</translation>
    </message>
    <message>
        <source>The MP3 %1 cannot be %2 (allowed: %3 to %4).</source>
        <translation>MP3: %1 no puede ser %2 (permitido: de %3 a %4).</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>No se ha podido iniciar el codificador MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder refused these settings.</source>
        <translation>El codificador MP3 ha rechazado estos ajustes.</translation>
    </message>
    <message>
        <source>There is no MP3 preset %1 (1 to 11).</source>
        <translation>No existe el preajuste MP3 %1 (de 1 a 11).</translation>
    </message>
    <message>
        <source>There is no alternative MP3 preset %1 (1 to 5).</source>
        <translation>No existe el preajuste MP3 alternativo %1 (de 1 a 5).</translation>
    </message>
    <message>
        <source>The player cannot play %1 Hz with %2 channels.</source>
        <translation>El reproductor no puede reproducir %1 Hz con %2 canales.</translation>
    </message>
    <message>
        <source>A block must hold at least one frame, not %1.</source>
        <translation>Un bloque debe contener al menos una trama, no %1.</translation>
    </message>
    <message>
        <source>silent playback was asked for</source>
        <translation>se ha pedido una reproducción silenciosa</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format (%2).</source>
        <translation>El archivo «%1» no tiene un formato de sonido conocido (%2).</translation>
    </message>
    <message>
        <source>Out of memory while opening the file.</source>
        <translation>Memoria agotada al abrir el archivo.</translation>
    </message>
    <message>
        <source>its channel layout is unreadable</source>
        <translation>su disposición de canales es ilegible</translation>
    </message>
    <message>
        <source>This FFmpeg has no &quot;%1&quot; demuxer.</source>
        <translation>Este FFmpeg no tiene el desmultiplexor «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its streams cannot be read.</source>
        <translation>El archivo «%1» está dañado: no se pueden leer sus flujos.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has no sound track.</source>
        <translation>El archivo «%1» no tiene pista de audio.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; is in a format that cannot be decoded (%2).</source>
        <translation>El sonido de «%1» está en un formato que no se puede decodificar (%2).</translation>
    </message>
    <message>
        <source>its sound cannot be decoded</source>
        <translation>su sonido no se puede decodificar</translation>
    </message>
    <message>
        <source>no sound in it can be decoded</source>
        <translation>no se puede decodificar ningún sonido que contenga</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format (%2 Hz, %3 channels).</source>
        <translation>El archivo «%1» indica un formato imposible (%2 Hz, %3 canales).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2.</source>
        <translation>El archivo «%1» está dañado: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it holds no sound that can be decoded.</source>
        <translation>El archivo «%1» está dañado: no contiene sonido que se pueda decodificar.</translation>
    </message>
    <message>
        <source>The G.726 decoder cannot start.</source>
        <translation>El decodificador G.726 no puede iniciarse.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be decoded: %2.</source>
        <translation>No se puede decodificar el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format.</source>
        <translation>El archivo «%1» indica un formato imposible.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is cut short.</source>
        <translation>El archivo «%1» está truncado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a damaged header.</source>
        <translation>El archivo «%1» tiene la cabecera dañada.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds G.72x sound in %2 channels; only mono is read.</source>
        <translation>El archivo «%1» contiene sonido G.72x en %2 canales; solo se lee mono.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its format chunk (&quot;fmt &quot;) claims %2 bytes, more than the file holds (%3 bytes).</source>
        <translation>El archivo «%1» está dañado: su bloque de formato («fmt ») declara %2 bytes, más de los que tiene el archivo (%3 bytes).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>«%1» es una carpeta, no un archivo de sonido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a pipe, socket or device).</source>
        <translation>«%1» no es un archivo normal (una tubería, un socket o un dispositivo).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound or video format.</source>
        <translation>El archivo «%1» no tiene un formato de sonido o vídeo conocido.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format.</source>
        <translation>El archivo «%1» no tiene un formato de sonido conocido.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as one Ogg Vorbis stream: %2.</source>
        <translation>No se puede leer el archivo «%1» como un único flujo Ogg Vorbis: %2.</translation>
    </message>
    <message>
        <source>No DSP WAV file is open for writing.</source>
        <translation>No hay ningún archivo DSP WAV abierto para escritura.</translation>
    </message>
    <message>
        <source>The DSP WAV file &quot;%1&quot; would exceed the format&apos;s length limit.</source>
        <translation>El archivo DSP WAV «%1» superaría el límite de longitud del formato.</translation>
    </message>
    <message>
        <source>No output file is open for writing</source>
        <translation>No hay ningún archivo de salida abierto para escritura</translation>
    </message>
    <message>
        <source>Unsupported input: %1 Hz, %2 channels</source>
        <translation>Entrada no compatible: %1 Hz, %2 canales</translation>
    </message>
    <message>
        <source>Cannot read the sample file &quot;%1&quot;: %2</source>
        <translation>No se puede leer el archivo de muestra «%1»: %2</translation>
    </message>
    <message>
        <source>The sample file &quot;%1&quot; is not a PCM WAV file</source>
        <translation>El archivo de muestra «%1» no es un archivo PCM WAV</translation>
    </message>
    <message>
        <source>RAW output is written as signed 16-bit samples only (type %1, %2 bits requested)</source>
        <translation>La salida RAW solo se escribe en muestras de 16 bits con signo (tipo %1, %2 bits pedidos)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 ha fallado: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>Sample conversion failed: %1</source>
        <translation>Ha fallado la conversión de muestras: %1</translation>
    </message>
    <message>
        <source>Invalid input description: %1 Hz, %2 channels</source>
        <translation>Descripción de entrada no válida: %1 Hz, %2 canales</translation>
    </message>
    <message>
        <source>A block of %1 values does not hold whole frames of %2 channels</source>
        <translation>Un bloque de %1 valores no contiene tramas completas de %2 canales</translation>
    </message>
    <message>
        <source>Dither failed: %1</source>
        <translation>Ha fallado el tramado: %1</translation>
    </message>
    <message>
        <source>setting refused (%1)</source>
        <translation>ajuste rechazado (%1)</translation>
    </message>
    <message>
        <source>This output format has no writer</source>
        <translation>Este formato de salida no tiene escritor</translation>
    </message>
</context>
<context>
    <name>ConversionListPanel</name>
    <message>
        <source>Drag audio files from folder and drop here</source>
        <translation>Arrastre aquí archivos de audio desde una carpeta</translation>
    </message>
    <message>
        <source>Adding files: %v of %m</source>
        <translation>Añadiendo archivos: %v de %m</translation>
    </message>
    <message>
        <source>Adding files</source>
        <translation>Añadiendo archivos</translation>
    </message>
    <message>
        <source>Conversion list</source>
        <translation>Lista de conversión</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>No se puede abrir el archivo «%1».</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Carpeta de salida</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Seleccione una carpeta de salida</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Escribir</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Conversion is finished</source>
        <translation>La conversión ha terminado</translation>
    </message>
    <message>
        <source>Conversion is finished, some outputs were not made</source>
        <translation>La conversión ha terminado, algunas salidas no se han creado</translation>
    </message>
    <message>
        <source>1 output made</source>
        <translation>1 salida creada</translation>
    </message>
    <message numerus="yes">
        <source>%n outputs made</source>
        <translation>
            <numerusform>%n salida creada</numerusform>
            <numerusform>%n salidas creadas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 not made.</source>
        <translation>%1, no creadas: %2.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ubicación:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Contenido:</translation>
    </message>
    <message>
        <source>Size of files:</source>
        <translation>Tamaño de archivos:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Modificado:</translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n carpeta</numerusform>
            <numerusform>%n carpetas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the number of files and the number of folders a folder holds.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <source>Output Format   </source>
        <translation>Formato de salida   </translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <source>Common Format</source>
        <translation>Formatos comunes</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation>Otros formatos</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation>FLAC, ALAC, AAC y Opus</translation>
    </message>
    <message>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation>Canales: conservar (hasta 7.1), estéreo o mono</translation>
    </message>
    <message>
        <source>Adjust Volume</source>
        <translation>Ajustar volumen</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Change As</source>
        <translation>Cambiar a</translation>
    </message>
    <message>
        <source>G.723 bits</source>
        <translation>Bits G.723</translation>
    </message>
    <message>
        <source>G.726 bits</source>
        <translation>Bits G.726</translation>
    </message>
    <message>
        <source>FLAC level</source>
        <translation>Nivel FLAC</translation>
    </message>
    <message>
        <source>AAC bit rate</source>
        <translation>Tasa de bits AAC</translation>
    </message>
    <message>
        <source>Opus bit rate</source>
        <translation>Tasa de bits Opus</translation>
    </message>
    <message>
        <source>Opus content</source>
        <translation>Contenido Opus</translation>
    </message>
    <message>
        <source>FLAC channels</source>
        <translation>Canales FLAC</translation>
    </message>
    <message>
        <source>ALAC channels</source>
        <translation>Canales ALAC</translation>
    </message>
    <message>
        <source>AAC channels</source>
        <translation>Canales AAC</translation>
    </message>
    <message>
        <source>Opus channels</source>
        <translation>Canales Opus</translation>
    </message>
    <message>
        <source>Set the %1 format</source>
        <translation>Ajustar el formato %1</translation>
    </message>
    <message>
        <source>Change As %</source>
        <translation>Cambiar a %</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Tasa de bits nominal actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Tasa de bits mín. actual: %1 kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Tasa de bits máx. actual: %1 kbit</translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 bits</translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 bits</translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation>2 bits</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 bits</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Estéreo conjunto</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Estéreo conjunto forzado</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Canal dual</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Antiguo</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>only</source>
        <translation>solo ATH</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>desactivado</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>solo para bloques cortos</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 microsegundos</translation>
    </message>
    <message>
        <source>Incorrect format</source>
        <translation>Formato incorrecto</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Tasa de bits actual: %1 kbit</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 is not a usable cue sheet: it lists no tracks.</source>
        <translation>%1 no es un archivo CUE utilizable: no contiene pistas.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE no nombra ningún archivo.</translation>
    </message>
    <message>
        <source>a sheet kept inside a file can describe only that file, but this one names a second.</source>
        <translation>un archivo CUE incrustado en otro solo puede describir ese archivo, pero este nombra un segundo.</translation>
    </message>
    <message>
        <source>TRACK comes before any FILE line.</source>
        <translation>TRACK aparece antes de cualquier línea FILE.</translation>
    </message>
    <message>
        <source>“%1” is no track number (1 to 99).</source>
        <translation>«%1» no es un número de pista (de 1 a 99).</translation>
    </message>
    <message>
        <source>a sheet holds at most 99 tracks.</source>
        <translation>un archivo CUE contiene como máximo 99 pistas.</translation>
    </message>
    <message>
        <source>“%1” is no time (minutes:seconds:frames).</source>
        <translation>«%1» no es un tiempo (minutos:segundos:tramas).</translation>
    </message>
    <message>
        <source>INDEX comes before any TRACK line.</source>
        <translation>INDEX aparece antes de cualquier línea TRACK.</translation>
    </message>
    <message>
        <source>“%1” is no index (a number and a time).</source>
        <translation>«%1» no es un índice (un número y un tiempo).</translation>
    </message>
    <message>
        <source>INDEX 00 is out of order in track %1.</source>
        <translation>INDEX 00 está fuera de orden en la pista %1.</translation>
    </message>
    <message>
        <source>INDEX 00 of track %1 lies before the start of the track before it.</source>
        <translation>El INDEX 00 de la pista %1 está antes del inicio de la pista anterior.</translation>
    </message>
    <message>
        <source>track %1 has INDEX 01 twice.</source>
        <translation>la pista %1 tiene INDEX 01 dos veces.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 lies before its INDEX 00.</source>
        <translation>El INDEX 01 de la pista %1 está antes de su INDEX 00.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 does not come after the start of the track before it.</source>
        <translation>El INDEX 01 de la pista %1 no va después del inicio de la pista anterior.</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 comes before its INDEX 01.</source>
        <translation>El INDEX %1 de la pista %2 va antes de su INDEX 01.</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 (checked up to line %2).</source>
        <translation>la pista %1 no tiene INDEX 01 (comprobado hasta la línea %2).</translation>
    </message>
    <message>
        <source>%1, line %2: the image “%3” cannot be read, and there is no readable audio file of that name beside the sheet.</source>
        <translation>%1, línea %2: no se puede leer la imagen «%3» y no hay junto al archivo CUE ningún archivo de audio legible con ese nombre.</translation>
    </message>
    <message>
        <source>%1 is not a cue sheet: it is %2 bytes long.</source>
        <translation>%1 no es un archivo CUE: ocupa %2 bytes.</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 is %2 bytes long; it cannot be one.</source>
        <translation>El archivo CUE dentro de %1 ocupa %2 bytes; no puede serlo.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 gives track %2 no start (INDEX 01).</source>
        <translation>El archivo CUE dentro de %1 no da inicio a la pista %2 (INDEX 01).</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 starts track %2 before the end of the track before it.</source>
        <translation>El archivo CUE dentro de %1 inicia la pista %2 antes del final de la pista anterior.</translation>
    </message>
    <message>
        <source>Out of memory while reading %1.</source>
        <translation>Memoria agotada al leer %1.</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>(Video) </source>
        <translation>(Vídeo) </translation>
    </message>
    <message>
        <source>(Audio) </source>
        <translation>(Audio) </translation>
    </message>
    <message>
        <source>%1: the image “%2” cannot be read, so its tracks are not listed.</source>
        <translation>%1: no se puede leer la imagen «%2», así que sus pistas no aparecen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Control Panel</source>
        <translation>Panel de control</translation>
    </message>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Editor de información de audio</translation>
    </message>
    <message>
        <source>Output Format Options Panel</source>
        <translation>Opciones del formato de salida</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>A&amp;cción</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Contenido de la ayuda</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Soporte por correo</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Audio File Info</source>
        <translation>Información del archivo</translation>
    </message>
    <message>
        <source>Mirror a Folder…</source>
        <translation>Replicar una carpeta…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Invalid Audio Format!</source>
        <translation>¡Formato de audio no válido!</translation>
    </message>
    <message>
        <source>Invalid Vidio Format!</source>
        <translation>¡Formato de vídeo no válido!</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>¡Elija el formato de salida!</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Seleccione una carpeta de salida</translation>
    </message>
    <message>
        <source>Can not find out the source file:</source>
        <translation>No se encuentra el archivo de origen:</translation>
    </message>
    <message>
        <source>The source cannot be opened (error %1).</source>
        <translation>No se puede abrir el origen (error %1).</translation>
    </message>
    <message>
        <source>The source reports %1 Hz and %2 channels.</source>
        <translation>El origen indica %1 Hz y %2 canales.</translation>
    </message>
    <message>
        <source>The conversion failed.</source>
        <translation>La conversión ha fallado.</translation>
    </message>
    <message>
        <source>Total %1%</source>
        <translation>Total %1%</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer el archivo «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: access denied.</source>
        <translation>No se puede leer el archivo «%1»: acceso denegado.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>El archivo «%1» está vacío.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no sound.</source>
        <translation>El archivo «%1» no contiene sonido.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has %2 sound tracks; there is no sound track %3.</source>
        <translation>El archivo «%1» tiene %2 pistas de audio; no existe la pista de audio %3.</translation>
    </message>
    <message>
        <source>loudness is measured on the sound track the file plays by default, not on the one chosen</source>
        <translation>la sonoridad se mide en la pista de audio predeterminada del archivo, no en la elegida</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged; its tags cannot be written.</source>
        <translation>El archivo «%1» está dañado; no se pueden escribir sus etiquetas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» no es un archivo normal.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>No se puede crear «%1»: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>cannot make an encoder</source>
        <translation>no se puede crear un codificador</translation>
    </message>
    <message>
        <source>Invalid Output Folder Name!</source>
        <translation>¡Nombre de carpeta de salida no válido!</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Se ha producido un error desconocido.</translation>
    </message>
    <message>
        <source>Total %1%, paused</source>
        <translation>Total %1%, en pausa</translation>
    </message>
    <message>
        <source>A conversion is running. Cancel it and exit?</source>
        <translation>Hay una conversión en curso. ¿Cancelarla y salir?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being converted. Its tags can be edited once its outputs are done.</source>
        <translation>Se está convirtiendo «%1». Podrá editar sus etiquetas cuando terminen sus salidas.</translation>
    </message>
    <message>
        <source>Every checked file is in the running conversion already. Check the files to add to it.</source>
        <translation>Todos los archivos marcados ya están en la conversión en curso. Marque los archivos que quiera añadir.</translation>
    </message>
    <message>
        <source>The running conversion is ending. Press Convert again once it has finished.</source>
        <translation>La conversión en curso está terminando. Pulse «Convertir» de nuevo cuando haya terminado.</translation>
    </message>
    <message>
        <source>A conversion is running. Mirror the folder once it has finished.</source>
        <translation>Hay una conversión en curso. Replique la carpeta cuando haya terminado.</translation>
    </message>
</context>
<context>
    <name>MirrorDialog</name>
    <message>
        <source>Mirror a Folder</source>
        <translation>Replicar una carpeta</translation>
    </message>
    <message>
        <source>&amp;Source folder:</source>
        <translation>&amp;Carpeta de origen:</translation>
    </message>
    <message>
        <source>Source folder</source>
        <translation>Carpeta de origen</translation>
    </message>
    <message>
        <source>Browse for the source folder</source>
        <translation>Elegir la carpeta de origen</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>&amp;Destination folder:</source>
        <translation>Carpeta de &amp;destino:</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Elegir la carpeta de destino</translation>
    </message>
    <message>
        <source>Bro&amp;wse…</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>Pe&amp;rfil:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>&amp;Lossy sources:</source>
        <translation>Orígenes con &amp;pérdida:</translation>
    </message>
    <message>
        <source>Lossy sources</source>
        <translation>Orígenes con pérdida</translation>
    </message>
    <message>
        <source>Copy them as they are</source>
        <translation>Copiarlos tal cual</translation>
    </message>
    <message>
        <source>Convert them</source>
        <translation>Convertirlos</translation>
    </message>
    <message>
        <source>S&amp;ide files:</source>
        <translation>Archivos &amp;anexos:</translation>
    </message>
    <message>
        <source>Side files</source>
        <translation>Archivos anexos</translation>
    </message>
    <message>
        <source>File name patterns copied beside the outputs, separated by blanks; &quot;none&quot; copies none</source>
        <translation>Patrones de nombres de archivo que se copian junto a las salidas, separados por espacios; «none» no copia ninguno</translation>
    </message>
    <message>
        <source>&amp;Names:</source>
        <translation>&amp;Nombres:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>As they are (Linux and macOS disks)</source>
        <translation>Tal cual (discos de Linux y macOS)</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards</source>
        <translation>Válidos en tarjetas FAT y exFAT</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards, ASCII letters only</source>
        <translation>Válidos en tarjetas FAT y exFAT, solo letras ASCII</translation>
    </message>
    <message>
        <source>&amp;Jobs:</source>
        <translation>&amp;Tareas:</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Tareas</translation>
    </message>
    <message>
        <source>How many outputs are converted at once</source>
        <translation>Cuántas salidas se convierten a la vez</translation>
    </message>
    <message>
        <source>P&amp;rune outputs whose source is gone</source>
        <translation>E&amp;liminar las salidas cuyo origen ya no existe</translation>
    </message>
    <message>
        <source>&amp;Keep each source&apos;s modification time</source>
        <translation>Conser&amp;var la fecha de modificación de cada origen</translation>
    </message>
    <message>
        <source>(none: the current settings)</source>
        <translation>(ninguno: la configuración actual)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select the folder to mirror</source>
        <translation>Seleccione la carpeta que replicar</translation>
    </message>
    <message>
        <source>Select the folder to mirror into</source>
        <translation>Seleccione la carpeta donde replicarla</translation>
    </message>
    <message>
        <source>Prune outputs whose source is gone</source>
        <translation>Eliminar las salidas cuyo origen ya no existe</translation>
    </message>
    <message>
        <source>Keep each source&apos;s modification time</source>
        <translation>Conservar la fecha de modificación de cada origen</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <source>Set MP3 Format</source>
        <translation>Ajustar formato MP3</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Calidad del codificador</translation>
    </message>
    <message>
        <source>better</source>
        <translation>mejor</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filtrado</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro de paso alto (en Hz):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Ancho del filtro de paso alto (en Hz):</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Frecuencia del filtro de paso bajo (en Hz):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Ancho del filtro de paso bajo (en Hz):</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Método de codificación:</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>Calidad VBR:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Tasa de bits objetivo para ABR:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Tasa de bits VBR máxima</translation>
    </message>
    <message>
        <source>Current bitrate: 128 kbit</source>
        <translation>Tasa de bits actual: 128 kbit</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Escribir cabecera VBR</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Forzar estrictamente la tasa de bits mínima</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>incluir sumas de verificación CRC</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>cumplir en lo posible la norma ISO MPEG</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>permitir tipos de bloque distintos por canal</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>bloques cortos</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>reserva de bits</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Control ATH:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>De-énfasis:</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Preajustes</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Preajuste</translation>
    </message>
    <message>
        <source>Alt-Preset</source>
        <translation>Preajuste alternativo</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Línea de órdenes</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <source>Set OGG Format</source>
        <translation>Ajustar formato OGG</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR activado</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Calidad activada</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min Bitrate</source>
        <translation>Tasa mín.</translation>
    </message>
    <message>
        <source>Max Bitrate</source>
        <translation>Tasa máx.</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Calidad (compresión)</translation>
    </message>
    <message>
        <source>better</source>
        <translation>mejor</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>más rápido</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Default Output Folder</source>
        <translation>Carpeta de salida predeterminada</translation>
    </message>
    <message>
        <source>If the output folder setting is empty, the output files will be converted into the same source folder.</source>
        <translation>Si no se indica carpeta de salida, los archivos convertidos se guardan en la carpeta de origen.</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversión</translation>
    </message>
    <message>
        <source>Check the items automatically when add files</source>
        <translation>Marcar automáticamente los archivos añadidos</translation>
    </message>
    <message>
        <source>Open the output folder after conversion</source>
        <translation>Abrir la carpeta de salida tras la conversión</translation>
    </message>
    <message>
        <source>Copy the audio file info automatically</source>
        <translation>Copiar automáticamente la información de audio</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Proceso por lotes</translation>
    </message>
    <message>
        <source>Convert up to N files at once</source>
        <translation>Convertir hasta N archivos a la vez</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Igualar la sonoridad</translation>
    </message>
    <message>
        <source>Check every output after it is written</source>
        <translation>Comprobar cada salida tras escribirla</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Escribir etiquetas ReplayGain</translation>
    </message>
    <message>
        <source>Include the hidden track before track 1 of a CD image</source>
        <translation>Incluir la pista oculta antes de la pista 1 de una imagen de CD</translation>
    </message>
    <message>
        <source>Sound a CD image holds before its first track becomes a track of its own, numbered 0</source>
        <translation>El sonido anterior a la primera pista de una imagen de CD pasa a ser una pista propia, numerada 0</translation>
    </message>
    <message>
        <source>When an output file exists</source>
        <translation>Si un archivo de salida ya existe</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Reemplazarlo</translation>
    </message>
    <message>
        <source>Save under a new name</source>
        <translation>Guardar con un nombre nuevo</translation>
    </message>
    <message>
        <source>Skip the output</source>
        <translation>Omitir la salida</translation>
    </message>
    <message>
        <source>Sound track languages</source>
        <translation>Idiomas de la pista de audio</translation>
    </message>
    <message>
        <source>Of a file with several sound tracks, convert the one in the first of these languages it has; otherwise the one it plays by default</source>
        <translation>En un archivo con varias pistas de audio, convertir la del primero de estos idiomas que tenga; si no, la predeterminada</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Ajustes generales</translation>
    </message>
    <message>
        <source>Save the state of the lastest operation</source>
        <translation>Guardar el estado de la última operación</translation>
    </message>
    <message>
        <source>This option will store the operation state (like current folder, Output Format selection) of the lastest operation.</source>
        <translation>Esta opción guarda el estado de la última operación (carpeta actual, formato de salida elegido, etc.).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>A new language is shown from the next start of the program.</source>
        <translation>El nuevo idioma se muestra a partir del próximo inicio del programa.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select an default output folder</source>
        <translation>Seleccione una carpeta de salida predeterminada</translation>
    </message>
    <message>
        <source>Sound track languages: %1.</source>
        <translation>Idiomas de la pista de audio: %1.</translation>
    </message>
    <message>
        <source>Notify the desktop when a long conversion ends</source>
        <translation>Avisar en el escritorio al terminar una conversión larga</translation>
    </message>
    <message>
        <source>After a batch of more than a few seconds the desktop shows how many outputs were made, with a button that opens the output folder</source>
        <translation>Tras un proceso por lotes de más de unos segundos, el escritorio muestra cuántas salidas se han creado, con un botón que abre la carpeta de salida</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Con not play video files!</source>
        <translation>¡No se pueden reproducir archivos de vídeo!</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play   </source>
        <translation>Reproducir   </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Los perfiles guardados; elegir uno ajusta los controles que abarca</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Save the current settings as a profile</source>
        <translation>Guardar los ajustes actuales como perfil</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the chosen profile</source>
        <translation>Eliminar el perfil elegido</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>(current settings)</source>
        <translation>(ajustes actuales)</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Guardar perfil</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Eliminar perfil</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds settings this version does not know; they were left out:
%2</source>
        <translation>El perfil «%1» contiene ajustes que esta versión no conoce; se han omitido:
%2</translation>
    </message>
    <message>
        <source>The window has no control for these settings of the profile &quot;%1&quot;; the window&apos;s own are kept:
%2</source>
        <translation>La ventana no tiene controles para estos ajustes del perfil «%1»; se conservan los de la ventana:
%2</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Nombre del perfil:</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Replace it?</source>
        <translation>Ya existe un perfil llamado «%1». ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;?</source>
        <translation>¿Eliminar el perfil «%1»?</translation>
    </message>
    <message>
        <source>the tree root %1</source>
        <translation>la raíz del árbol %1</translation>
    </message>
    <message>
        <source>the name template</source>
        <translation>la plantilla de nombre</translation>
    </message>
    <message>
        <source>the loudness target %1 LUFS</source>
        <translation>la sonoridad objetivo %1 LUFS</translation>
    </message>
    <message>
        <source>the MP3 preset %1</source>
        <translation>el preajuste MP3 %1</translation>
    </message>
    <message>
        <source>the MP3 alternative preset %1</source>
        <translation>el preajuste MP3 alternativo %1</translation>
    </message>
    <message>
        <source>the LAME switches %1</source>
        <translation>las opciones de LAME %1</translation>
    </message>
    <message>
        <source>the MP3 rate and channels taken from the panel</source>
        <translation>la frecuencia y los canales MP3 tomados del panel</translation>
    </message>
    <message>
        <source>the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)</source>
        <translation>el ajuste de Ogg Vorbis (una tasa de bits o calidad que el diálogo no ofrece)</translation>
    </message>
    <message>
        <source>the panel&apos;s %1 Hz, %2 channels</source>
        <translation>los %1 Hz y %2 canales del panel</translation>
    </message>
    <message>
        <source>the PCM WAV format %1 Hz, %2 channels, %3 bits</source>
        <translation>el formato PCM WAV %1 Hz, %2 canales, %3 bits</translation>
    </message>
    <message>
        <source>the WMA profile %1</source>
        <translation>el perfil WMA %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Origen</translation>
    </message>
    <message>
        <source>Converting from</source>
        <translation>Convirtiendo desde</translation>
    </message>
    <message>
        <source>Convert To</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Converting to</source>
        <translation>Convirtiendo a</translation>
    </message>
    <message>
        <source>Running outputs</source>
        <translation>Salidas en curso</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Checking %1%</source>
        <translation>Comprobando %1%</translation>
    </message>
    <message>
        <source>Processing %1%</source>
        <translation>Procesando %1%</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Cancel This Output</source>
        <translation>Cancelar esta salida</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as deu or eng</source>
        <translation>«%1» no es un código de idioma como deu o eng</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <source>Up One Level</source>
        <translation>Subir un nivel</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Iconos grandes</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Iconos pequeños</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Lar&amp;ge icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>S&amp;mall icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>Pe&amp;gar</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Carpeta</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Are you sure you want to move &quot;%1&quot; to the trash?</source>
        <translation>¿Seguro que quiere mover «%1» a la papelera?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to move these %n items to the trash?</source>
        <translation>
            <numerusform>¿Seguro que quiere mover %n elemento a la papelera?</numerusform>
            <numerusform>¿Seguro que quiere mover estos %n elementos a la papelera?</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Confirmar eliminación</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1</source>
        <translation>No se pudo mover a la papelera:
%1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Confirmar reemplazo</translation>
    </message>
    <message>
        <source>This folder already contains &quot;%1&quot;.
Do you want to replace it?</source>
        <translation>Esta carpeta ya contiene «%1».
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Could not paste:
%1</source>
        <translation>No se pudo pegar:
%1</translation>
    </message>
    <message>
        <source>Could not create a folder in %1.</source>
        <translation>No se pudo crear una carpeta en %1.</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Además del sonido, un archivo de audio puede llevar datos sobre sí mismo: el título, el artista, el álbum y similares, que los reproductores muestran al reproducirlo. Estos datos se guardan dentro del propio archivo; no son el nombre del archivo.</translation>
    </message>
    <message>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>En los archivos de audio MPEG (MP3, MP2) esta información se llama etiqueta ID3. Existe en dos versiones, ID3v1 e ID3v2; ID3v2 es la más extendida.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Editor de información de audio</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Artista:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Artista</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Álbum:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Álbum</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Comentario:</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Mpeg Files Tag Version</source>
        <translation>Versión de etiqueta de archivos MPEG</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; ¿Qué es la información de audio?&lt;/a&gt;</translation>
    </message>
    <message>
        <source> What is audio file info?</source>
        <translation> ¿Qué es la información de audio?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Editor de información de audio</translation>
    </message>
    <message>
        <source>The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of that with it.

Remove the ID3v2 tag and store the information as ID3v1?</source>
        <translation>La etiqueta ID3v2 de este archivo contiene más de lo que admite una etiqueta ID3v1 (imágenes, textos largos u otros campos). Guardar la información como ID3v1 elimina la etiqueta ID3v2 y todo ese contenido.

¿Eliminar la etiqueta ID3v2 y guardar la información como ID3v1?</translation>
    </message>
    <message>
        <source>This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not hold.

Remove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag.</source>
        <translation>Este archivo termina además con una etiqueta ID3v1, que contiene información que la etiqueta ID3v2 no tendrá.

¿Eliminar la etiqueta ID3v1? Elija «No» para conservarla junto a la etiqueta ID3v2.</translation>
    </message>
    <message>
        <source>Invalid Track Value!</source>
        <translation>¡Número de pista no válido!</translation>
    </message>
    <message>
        <source>Invalid Year Value!</source>
        <translation>¡Año no válido!</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>Ajustar formato WAV</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Canales</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Tasa de bits</translation>
    </message>
    <message>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Si no está seguro del formato que desea, puede tomar el de un archivo de muestra.</translation>
    </message>
    <message>
        <source>Set Format As Sample File</source>
        <translation>Formato de un archivo de muestra</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Set Format Like Sample</source>
        <translation>Formato como la muestra</translation>
    </message>
</context>
</TS>
