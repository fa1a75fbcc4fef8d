<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Copyright (C) The Tonalith authors.</source>
        <translation>Copyright (C) Die Tonalith-Autoren.</translation>
    </message>
    <message>
        <source>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</source>
        <translation>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Initialize Error! Please reinstall Tonalith!</source>
        <translation>Fehler beim Start! Bitte installieren Sie Tonalith neu!</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Made, but incomplete:</source>
        <translation>Erstellt, aber unvollständig:</translation>
    </message>
    <message>
        <source>Conversion is finished!</source>
        <translation>Die Konvertierung ist abgeschlossen!</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n outputs were made. Not made:</source>
        <translation>
            <numerusform>Erstellte Ausgaben: %1 von %n. Nicht erstellt:</numerusform>
            <numerusform>Erstellte Ausgaben: %1 von %n. Nicht erstellt:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... und %n weitere.</numerusform>
            <numerusform>... und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion was cancelled. These files were kept as they were, and their partial outputs dropped:
%1</source>
        <translation>Die Konvertierung wurde abgebrochen. Diese Dateien blieben unverändert, ihre unvollständigen Ausgaben wurden verworfen:
%1</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read from sample %2.</source>
        <translation>Das Abbild „%1“ kann ab Sample %2 nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be opened (error %2).</source>
        <translation>Das Abbild „%1“ kann nicht geöffnet werden (Fehler %2).</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds no sound.</source>
        <translation>Das Abbild „%1“ enthält keinen Ton.</translation>
    </message>
    <message>
        <source>The loudness meter cannot measure %1 Hz with %2 channels.</source>
        <translation>Die Lautheitsmessung kann %1 Hz mit %2 Kanälen nicht messen.</translation>
    </message>
    <message>
        <source>The loudness meter cannot count a mono channel twice.</source>
        <translation>Die Lautheitsmessung kann einen Monokanal nicht doppelt zählen.</translation>
    </message>
    <message>
        <source>The loudness meter refused a block of the source.</source>
        <translation>Die Lautheitsmessung hat einen Block der Quelle abgelehnt.</translation>
    </message>
    <message>
        <source>The loudness of the source cannot be measured.</source>
        <translation>Die Lautheit der Quelle kann nicht gemessen werden.</translation>
    </message>
    <message>
        <source>The true peak of the source cannot be measured.</source>
        <translation>Der True Peak der Quelle kann nicht gemessen werden.</translation>
    </message>
    <message>
        <source>The loudness of the album cannot be measured.</source>
        <translation>Die Lautheit des Albums kann nicht gemessen werden.</translation>
    </message>
    <message>
        <source>not below the folder whose tree is kept</source>
        <translation>nicht unterhalb des Ordners, dessen Struktur erhalten bleibt</translation>
    </message>
    <message>
        <source>no free name beside %1</source>
        <translation>kein freier Name neben %1</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 existiert</translation>
    </message>
    <message>
        <source>%1 was incomplete (%2) and was made again</source>
        <translation>%1 war unvollständig (%2) und wurde neu erstellt</translation>
    </message>
    <message>
        <source>cancelled; the earlier %1 was kept and the partial output dropped</source>
        <translation>abgebrochen; die frühere Datei %1 wurde behalten und die unvollständige Ausgabe verworfen</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>der Ordner %1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>the loudness cannot be measured (%1)</source>
        <translation>die Lautheit kann nicht gemessen werden (%1)</translation>
    </message>
    <message>
        <source>the writer cannot be prepared for %1</source>
        <translation>der Schreiber kann nicht für %1 vorbereitet werden</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>%1 kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>cannot open the source</source>
        <translation>die Quelle kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the output failed its check and was dropped</source>
        <translation>die Ausgabe hat die Prüfung nicht bestanden und wurde verworfen</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>Konvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free temporary name beside it.</source>
        <translation>„%1“ kann nicht erstellt werden: daneben ist kein temporärer Name frei.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>eine ganze Zahl von %1 bis %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>einer der Werte %1</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 oder 1</translation>
    </message>
    <message>
        <source>empty or </source>
        <translation>leer oder </translation>
    </message>
    <message>
        <source>keep, 2 or 1</source>
        <translation>keep, 2 oder 1</translation>
    </message>
    <message>
        <source>empty, keep, 2 or 1</source>
        <translation>leer, keep, 2 oder 1</translation>
    </message>
    <message>
        <source>format names such as &quot;mp3 flac&quot; (&quot;%1&quot; is none)</source>
        <translation>Formatnamen wie „mp3 flac“ („%1“ ist keiner)</translation>
    </message>
    <message>
        <source>a name template (%1)</source>
        <translation>eine Namensvorlage (%1)</translation>
    </message>
    <message>
        <source>replace, new or skip</source>
        <translation>replace, new oder skip</translation>
    </message>
    <message>
        <source>empty or a loudness from -70 to -5 LUFS</source>
        <translation>leer oder eine Lautheit von -70 bis -5 LUFS</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; is damaged: %2. Nothing was changed.</source>
        <translation>Das Profil „%1“ ist beschädigt: %2. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; does not exist.</source>
        <translation>Die Profildatei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine einfache Datei</translation>
    </message>
    <message>
        <source>it is %1 bytes long, far more than a profile</source>
        <translation>sie ist %1 Bytes groß, weit mehr als ein Profil</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; cannot be read.</source>
        <translation>Die Profildatei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>sie ist kein Text</translation>
    </message>
    <message>
        <source>The profile cannot keep &quot;%1&quot;: it holds a line break.</source>
        <translation>Das Profil kann „%1“ nicht speichern: es enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>There is no profile named &quot;%1&quot;.</source>
        <translation>Es gibt kein Profil namens „%1“.</translation>
    </message>
    <message>
        <source>The profiles folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Profilordner „%1“ kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be deleted.</source>
        <translation>Das Profil „%1“ kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a profile: </source>
        <translation>„%1“ kann kein Profilname sein: </translation>
    </message>
    <message>
        <source>the name is empty.</source>
        <translation>der Name ist leer.</translation>
    </message>
    <message>
        <source>a name has at most %1 characters.</source>
        <translation>ein Name hat höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>a name does not start or end with a blank.</source>
        <translation>ein Name beginnt und endet nicht mit einem Leerzeichen.</translation>
    </message>
    <message>
        <source>a name does not start with a dot.</source>
        <translation>ein Name beginnt nicht mit einem Punkt.</translation>
    </message>
    <message>
        <source>a name holds no folder separator and no control character.</source>
        <translation>ein Name enthält weder Ordnertrennzeichen noch Steuerzeichen.</translation>
    </message>
    <message>
        <source>it has no [profile] section with its version</source>
        <translation>es fehlt der Abschnitt [profile] mit seiner Version</translation>
    </message>
    <message>
        <source>%1/%2 is given twice</source>
        <translation>%1/%2 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>%1/%2 is &quot;%3&quot;, where it takes %4</source>
        <translation>%1/%2 ist „%3“, erlaubt ist %4</translation>
    </message>
    <message>
        <source>The profile cannot be written to &quot;%1&quot;: %2</source>
        <translation>Das Profil kann nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1  Checking %2%</source>
        <translation>%1  Prüfung %2%</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, noch %1</translation>
    </message>
    <message>
        <source>The audio file is invalid or the format is not supported!!</source>
        <translation>Die Audiodatei ist ungültig oder das Format wird nicht unterstützt!!</translation>
    </message>
    <message>
        <source>Converter Error</source>
        <translation>Konvertierungsfehler</translation>
    </message>
    <message>
        <source>The video file is invalid or the format is not supported!!</source>
        <translation>Die Videodatei ist ungültig oder das Format wird nicht unterstützt!!</translation>
    </message>
    <message>
        <source>Extract Error</source>
        <translation>Extraktionsfehler</translation>
    </message>
    <message>
        <source>Every output name leads to the source itself.</source>
        <translation>Jeder Ausgabename führt zur Quelle selbst.</translation>
    </message>
    <message>
        <source>The output file cannot be created (error %1).</source>
        <translation>Die Ausgabedatei kann nicht erstellt werden (Fehler %1).</translation>
    </message>
    <message>
        <source>No sound could be decoded from &quot;%1&quot;.</source>
        <translation>Aus „%1“ konnte kein Ton dekodiert werden.</translation>
    </message>
    <message>
        <source>its tags could not be copied: %1</source>
        <translation>die Tags konnten nicht kopiert werden: %1</translation>
    </message>
    <message>
        <source>Please add audio files and check them!</source>
        <translation>Bitte fügen Sie Audiodateien hinzu und haken Sie sie an!</translation>
    </message>
    <message>
        <source>&quot;Even out loudness&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Even out loudness&quot; off.</source>
        <translation>„Lautheit angleichen“ (Optionen) und eine Lautstärkeänderung schließen sich aus. Stellen Sie die Lautstärke auf „Unverändert“ oder schalten Sie „Lautheit angleichen“ aus.</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Write ReplayGain tags&quot; off.</source>
        <translation>„ReplayGain-Tags schreiben“ (Optionen) und eine Lautstärkeänderung schließen sich aus. Stellen Sie die Lautstärke auf „Unverändert“ oder schalten Sie „ReplayGain-Tags schreiben“ aus.</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; and &quot;Even out loudness&quot; (Options) cannot be used together: the one keeps the samples and tags them, the other changes them. Turn one of them off.</source>
        <translation>„ReplayGain-Tags schreiben“ und „Lautheit angleichen“ (Optionen) schließen sich aus: das eine lässt die Samples unverändert und versieht sie mit Tags, das andere ändert sie. Schalten Sie eines davon aus.</translation>
    </message>
    <message>
        <source>A mirrored folder tree needs an output folder. Please choose one.</source>
        <translation>Eine gespiegelte Ordnerstruktur braucht einen Ausgabeordner. Bitte wählen Sie einen.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>Die Tags können nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror.</source>
        <translation>Bitte wählen Sie den zu spiegelnden Ordner.</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror it into.</source>
        <translation>Bitte wählen Sie den Zielordner der Spiegelung.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full folder path.</source>
        <translation>„%1“ ist kein vollständiger Ordnerpfad.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Der Ordner „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>„%1“ ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder cannot be mirrored into itself.</source>
        <translation>Der Ordner kann nicht in sich selbst gespiegelt werden.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; lies inside the folder it mirrors.</source>
        <translation>Das Ziel „%1“ liegt im Ordner, den es spiegelt.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; lies inside its destination.</source>
        <translation>Der Ordner „%1“ liegt in seinem Ziel.</translation>
    </message>
    <message>
        <source>Mirroring was stopped.</source>
        <translation>Die Spiegelung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Mirroring is finished.</source>
        <translation>Die Spiegelung ist abgeschlossen.</translation>
    </message>
    <message>
        <source>Converted: %1, copied: %2, unchanged: %3, pruned: %4, failed: %5.</source>
        <translation>Konvertiert: %1, kopiert: %2, unverändert: %3, gelöscht: %4, fehlgeschlagen: %5.</translation>
    </message>
    <message>
        <source>The list of mirrored files in &quot;%1&quot; cannot be written: the next mirror makes every file again.</source>
        <translation>Die Liste der gespiegelten Dateien in „%1“ kann nicht geschrieben werden: Die nächste Spiegelung erstellt alle Dateien neu.</translation>
    </message>
</context>
<context>
    <name>Components</name>
    <message>
        <source>These encoders are missing from the installed libraries: %1</source>
        <translation>Diese Encoder fehlen in den installierten Bibliotheken: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>„%1“ ist keine Datei.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>Die Tags können nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).</source>
        <translation>Die Tag-Version %1 gibt es nicht; verwenden Sie 1 (ID3v1) oder 2 (ID3v2).</translation>
    </message>
    <message>
        <source>Unknown property name &quot;%1&quot;.</source>
        <translation>Unbekannter Eigenschaftsname „%1“.</translation>
    </message>
    <message>
        <source>The loudness tags cannot be written to &quot;%1&quot;.</source>
        <translation>Die Lautheits-Tags können nicht in „%1“ geschrieben werden.</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 a bad value: &quot;%2&quot;.</source>
        <translation>Die MP3-Befehlszeile gibt dem Schalter %1 einen ungültigen Wert: „%2“.</translation>
    </message>
    <message>
        <source>The MP3 command line names a preset LAME does not know: &quot;%1&quot;.</source>
        <translation>Die MP3-Befehlszeile nennt eine Voreinstellung, die LAME nicht kennt: „%1“.</translation>
    </message>
    <message>
        <source>The MP3 command line has a switch LAME does not know: %1</source>
        <translation>Die MP3-Befehlszeile enthält einen Schalter, den LAME nicht kennt: %1</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 no value.</source>
        <translation>Die MP3-Befehlszeile gibt dem Schalter %1 keinen Wert.</translation>
    </message>
    <message>
        <source>The MP3 encoder has no setting %1.</source>
        <translation>Der MP3-Encoder hat keine Einstellung %1.</translation>
    </message>
    <message>
        <source>The MP3 %1 cannot be %2 (allowed: %3 to %4).</source>
        <translation>MP3: %1 kann nicht %2 sein (erlaubt: %3 bis %4).</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Der MP3-Encoder konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The MP3 encoder refused these settings.</source>
        <translation>Der MP3-Encoder hat diese Einstellungen abgelehnt.</translation>
    </message>
    <message>
        <source>There is no MP3 preset %1 (1 to 11).</source>
        <translation>Es gibt keine MP3-Voreinstellung %1 (1 bis 11).</translation>
    </message>
    <message>
        <source>There is no alternative MP3 preset %1 (1 to 5).</source>
        <translation>Es gibt keine alternative MP3-Voreinstellung %1 (1 bis 5).</translation>
    </message>
    <message>
        <source>The player cannot play %1 Hz with %2 channels.</source>
        <translation>Die Wiedergabe von %1 Hz mit %2 Kanälen ist nicht möglich.</translation>
    </message>
    <message>
        <source>A block must hold at least one frame, not %1.</source>
        <translation>Ein Block muss mindestens einen Frame enthalten, nicht %1.</translation>
    </message>
    <message>
        <source>silent playback was asked for</source>
        <translation>stumme Wiedergabe wurde verlangt</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format (%2).</source>
        <translation>Die Datei „%1“ hat kein bekanntes Tonformat (%2).</translation>
    </message>
    <message>
        <source>Out of memory while opening the file.</source>
        <translation>Nicht genügend Speicher beim Öffnen der Datei.</translation>
    </message>
    <message>
        <source>its channel layout is unreadable</source>
        <translation>die Kanalanordnung ist unlesbar</translation>
    </message>
    <message>
        <source>This FFmpeg has no &quot;%1&quot; demuxer.</source>
        <translation>Dieses FFmpeg hat keinen Demuxer „%1“.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its streams cannot be read.</source>
        <translation>Die Datei „%1“ ist beschädigt: ihre Datenströme können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has no sound track.</source>
        <translation>Die Datei „%1“ hat keine Tonspur.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; is in a format that cannot be decoded (%2).</source>
        <translation>Der Ton von „%1“ liegt in einem Format vor, das nicht dekodiert werden kann (%2).</translation>
    </message>
    <message>
        <source>its sound cannot be decoded</source>
        <translation>der Ton kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>no sound in it can be decoded</source>
        <translation>kein enthaltener Ton kann dekodiert werden</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format (%2 Hz, %3 channels).</source>
        <translation>Die Datei „%1“ gibt ein unmögliches Format an (%2 Hz, %3 Kanäle).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2.</source>
        <translation>Die Datei „%1“ ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it holds no sound that can be decoded.</source>
        <translation>Die Datei „%1“ ist beschädigt: sie enthält keinen dekodierbaren Ton.</translation>
    </message>
    <message>
        <source>The G.726 decoder cannot start.</source>
        <translation>Der G.726-Decoder kann nicht starten.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be decoded: %2.</source>
        <translation>Die Datei „%1“ kann nicht dekodiert werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format.</source>
        <translation>Die Datei „%1“ gibt ein unmögliches Format an.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is cut short.</source>
        <translation>Die Datei „%1“ ist abgeschnitten.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a damaged header.</source>
        <translation>Die Datei „%1“ hat einen beschädigten Header.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds G.72x sound in %2 channels; only mono is read.</source>
        <translation>Die Datei „%1“ enthält G.72x-Ton mit %2 Kanälen; nur Mono wird gelesen.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its format chunk (&quot;fmt &quot;) claims %2 bytes, more than the file holds (%3 bytes).</source>
        <translation>Die Datei „%1“ ist beschädigt: ihr Format-Chunk („fmt “) gibt %2 Bytes an, mehr als die Datei enthält (%3 Bytes).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>„%1“ ist ein Ordner, keine Audiodatei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a pipe, socket or device).</source>
        <translation>„%1“ ist keine reguläre Datei (eine Pipe, ein Socket oder ein Gerät).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound or video format.</source>
        <translation>Die Datei „%1“ hat kein bekanntes Ton- oder Videoformat.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format.</source>
        <translation>Die Datei „%1“ hat kein bekanntes Tonformat.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as one Ogg Vorbis stream: %2.</source>
        <translation>Die Datei „%1“ kann nicht als ein Ogg-Vorbis-Datenstrom gelesen werden: %2.</translation>
    </message>
    <message>
        <source>No DSP WAV file is open for writing.</source>
        <translation>Keine DSP-WAV-Datei ist zum Schreiben geöffnet.</translation>
    </message>
    <message>
        <source>The DSP WAV file &quot;%1&quot; would exceed the format&apos;s length limit.</source>
        <translation>Die DSP-WAV-Datei „%1“ würde die Längengrenze des Formats überschreiten.</translation>
    </message>
    <message>
        <source>No output file is open for writing</source>
        <translation>Keine Ausgabedatei ist zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>Unsupported input: %1 Hz, %2 channels</source>
        <translation>Nicht unterstützte Eingabe: %1 Hz, %2 Kanäle</translation>
    </message>
    <message>
        <source>Cannot read the sample file &quot;%1&quot;: %2</source>
        <translation>Die Beispieldatei „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The sample file &quot;%1&quot; is not a PCM WAV file</source>
        <translation>Die Beispieldatei „%1“ ist keine PCM-WAV-Datei</translation>
    </message>
    <message>
        <source>RAW output is written as signed 16-bit samples only (type %1, %2 bits requested)</source>
        <translation>RAW-Ausgaben werden nur als vorzeichenbehaftete 16-Bit-Samples geschrieben (Typ %1, %2 Bit verlangt)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Sample conversion failed: %1</source>
        <translation>Sample-Umwandlung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Invalid input description: %1 Hz, %2 channels</source>
        <translation>Ungültige Eingabebeschreibung: %1 Hz, %2 Kanäle</translation>
    </message>
    <message>
        <source>A block of %1 values does not hold whole frames of %2 channels</source>
        <translation>Ein Block aus %1 Werten enthält keine ganzen Frames zu %2 Kanälen</translation>
    </message>
    <message>
        <source>Dither failed: %1</source>
        <translation>Dithering fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>setting refused (%1)</source>
        <translation>Einstellung abgelehnt (%1)</translation>
    </message>
    <message>
        <source>This output format has no writer</source>
        <translation>Für dieses Ausgabeformat gibt es keinen Schreiber</translation>
    </message>
</context>
<context>
    <name>ConversionListPanel</name>
    <message>
        <source>Drag audio files from folder and drop here</source>
        <translation>Audiodateien aus einem Ordner hierher ziehen</translation>
    </message>
    <message>
        <source>Adding files: %v of %m</source>
        <translation>Dateien werden hinzugefügt: %v von %m</translation>
    </message>
    <message>
        <source>Adding files</source>
        <translation>Dateien werden hinzugefügt</translation>
    </message>
    <message>
        <source>Conversion list</source>
        <translation>Konvertierungsliste</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Conversion is finished</source>
        <translation>Die Konvertierung ist abgeschlossen</translation>
    </message>
    <message>
        <source>Conversion is finished, some outputs were not made</source>
        <translation>Die Konvertierung ist abgeschlossen, einige Ausgaben wurden nicht erstellt</translation>
    </message>
    <message>
        <source>1 output made</source>
        <translation>1 Ausgabe erstellt</translation>
    </message>
    <message numerus="yes">
        <source>%n outputs made</source>
        <translation>
            <numerusform>%n Ausgabe erstellt</numerusform>
            <numerusform>%n Ausgaben erstellt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 not made.</source>
        <translation>%1, %2 nicht erstellt.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ausgabeordner öffnen</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>Size of files:</source>
        <translation>Größe der Dateien:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n Ordner</numerusform>
            <numerusform>%n Ordner</numerusform>
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
        <translation>Ausgabeformat   </translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <source>Common Format</source>
        <translation>Gängige Formate</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation>Weitere Formate</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation>FLAC, ALAC, AAC und Opus</translation>
    </message>
    <message>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation>Kanäle: behalten (bis 7.1), Stereo oder Mono</translation>
    </message>
    <message>
        <source>Adjust Volume</source>
        <translation>Lautstärke anpassen</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Change As</source>
        <translation>Ändern auf</translation>
    </message>
    <message>
        <source>G.723 bits</source>
        <translation>G.723-Bits</translation>
    </message>
    <message>
        <source>G.726 bits</source>
        <translation>G.726-Bits</translation>
    </message>
    <message>
        <source>FLAC level</source>
        <translation>FLAC-Stufe</translation>
    </message>
    <message>
        <source>AAC bit rate</source>
        <translation>AAC-Bitrate</translation>
    </message>
    <message>
        <source>Opus bit rate</source>
        <translation>Opus-Bitrate</translation>
    </message>
    <message>
        <source>Opus content</source>
        <translation>Opus-Inhalt</translation>
    </message>
    <message>
        <source>FLAC channels</source>
        <translation>FLAC-Kanäle</translation>
    </message>
    <message>
        <source>ALAC channels</source>
        <translation>ALAC-Kanäle</translation>
    </message>
    <message>
        <source>AAC channels</source>
        <translation>AAC-Kanäle</translation>
    </message>
    <message>
        <source>Opus channels</source>
        <translation>Opus-Kanäle</translation>
    </message>
    <message>
        <source>Set the %1 format</source>
        <translation>%1-Format einstellen</translation>
    </message>
    <message>
        <source>Change As %</source>
        <translation>Ändern auf %</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Aktuelle Nenn-Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Aktuelle min. Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Aktuelle max. Bitrate: %1 kbit</translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 Bit</translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 Bit</translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation>2 Bit</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 Bit</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Erzwungenes Joint Stereo</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Zwei Kanäle</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>only</source>
        <translation>nur ATH</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>nur für kurze Blöcke</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 Mikrosekunden</translation>
    </message>
    <message>
        <source>Incorrect format</source>
        <translation>Falsches Format</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Aktuelle Bitrate: %1 kbit</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 is not a usable cue sheet: it lists no tracks.</source>
        <translation>%1 ist keine verwendbare CUE-Datei: sie führt keine Titel auf.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE nennt keine Datei.</translation>
    </message>
    <message>
        <source>a sheet kept inside a file can describe only that file, but this one names a second.</source>
        <translation>eine in einer Datei eingebettete CUE-Datei kann nur diese Datei beschreiben, diese nennt aber eine zweite.</translation>
    </message>
    <message>
        <source>TRACK comes before any FILE line.</source>
        <translation>TRACK steht vor jeder FILE-Zeile.</translation>
    </message>
    <message>
        <source>“%1” is no track number (1 to 99).</source>
        <translation>„%1“ ist keine Titelnummer (1 bis 99).</translation>
    </message>
    <message>
        <source>a sheet holds at most 99 tracks.</source>
        <translation>eine CUE-Datei enthält höchstens 99 Titel.</translation>
    </message>
    <message>
        <source>“%1” is no time (minutes:seconds:frames).</source>
        <translation>„%1“ ist keine Zeit (Minuten:Sekunden:Frames).</translation>
    </message>
    <message>
        <source>INDEX comes before any TRACK line.</source>
        <translation>INDEX steht vor jeder TRACK-Zeile.</translation>
    </message>
    <message>
        <source>“%1” is no index (a number and a time).</source>
        <translation>„%1“ ist kein Index (eine Nummer und eine Zeit).</translation>
    </message>
    <message>
        <source>INDEX 00 is out of order in track %1.</source>
        <translation>INDEX 00 steht in Titel %1 an falscher Stelle.</translation>
    </message>
    <message>
        <source>INDEX 00 of track %1 lies before the start of the track before it.</source>
        <translation>INDEX 00 von Titel %1 liegt vor dem Anfang des vorherigen Titels.</translation>
    </message>
    <message>
        <source>track %1 has INDEX 01 twice.</source>
        <translation>Titel %1 hat INDEX 01 zweimal.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 lies before its INDEX 00.</source>
        <translation>INDEX 01 von Titel %1 liegt vor seinem INDEX 00.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 does not come after the start of the track before it.</source>
        <translation>INDEX 01 von Titel %1 liegt nicht nach dem Anfang des vorherigen Titels.</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 comes before its INDEX 01.</source>
        <translation>INDEX %1 von Titel %2 steht vor seinem INDEX 01.</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 (checked up to line %2).</source>
        <translation>Titel %1 hat kein INDEX 01 (geprüft bis Zeile %2).</translation>
    </message>
    <message>
        <source>%1, line %2: the image “%3” cannot be read, and there is no readable audio file of that name beside the sheet.</source>
        <translation>%1, Zeile %2: Das Abbild „%3“ kann nicht gelesen werden, und neben der CUE-Datei liegt keine lesbare Audiodatei dieses Namens.</translation>
    </message>
    <message>
        <source>%1 is not a cue sheet: it is %2 bytes long.</source>
        <translation>%1 ist keine CUE-Datei: sie ist %2 Bytes groß.</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 is %2 bytes long; it cannot be one.</source>
        <translation>Die CUE-Daten in %1 sind %2 Bytes groß; das kann keine CUE-Datei sein.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 gives track %2 no start (INDEX 01).</source>
        <translation>Die CUE-Daten in %1 geben Titel %2 keinen Anfang (INDEX 01).</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 starts track %2 before the end of the track before it.</source>
        <translation>Die CUE-Daten in %1 beginnen Titel %2 vor dem Ende des vorherigen Titels.</translation>
    </message>
    <message>
        <source>Out of memory while reading %1.</source>
        <translation>Nicht genügend Speicher beim Lesen von %1.</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation>Vollständiger Name</translation>
    </message>
    <message>
        <source>(Video) </source>
        <translation>(Video) </translation>
    </message>
    <message>
        <source>(Audio) </source>
        <translation>(Audio) </translation>
    </message>
    <message>
        <source>%1: the image “%2” cannot be read, so its tracks are not listed.</source>
        <translation>%1: Das Abbild „%2“ kann nicht gelesen werden, daher werden seine Titel nicht aufgeführt.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Control Panel</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Audiodatei-Infos bearbeiten</translation>
    </message>
    <message>
        <source>Output Format Options Panel</source>
        <translation>Einstellungen des Ausgabeformats</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Hilfe-Inhalt</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Support per E-Mail</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Audio File Info</source>
        <translation>Audiodatei-Infos</translation>
    </message>
    <message>
        <source>Mirror a Folder…</source>
        <translation>Ordner spiegeln …</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Invalid Audio Format!</source>
        <translation>Ungültiges Audioformat!</translation>
    </message>
    <message>
        <source>Invalid Vidio Format!</source>
        <translation>Ungültiges Videoformat!</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Bitte wählen Sie das Ausgabeformat!</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Can not find out the source file:</source>
        <translation>Die Quelldatei wurde nicht gefunden:</translation>
    </message>
    <message>
        <source>The source cannot be opened (error %1).</source>
        <translation>Die Quelle kann nicht geöffnet werden (Fehler %1).</translation>
    </message>
    <message>
        <source>The source reports %1 Hz and %2 channels.</source>
        <translation>Die Quelle meldet %1 Hz und %2 Kanäle.</translation>
    </message>
    <message>
        <source>The conversion failed.</source>
        <translation>Die Konvertierung ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Total %1%</source>
        <translation>Gesamt %1%</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: access denied.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden: Zugriff verweigert.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Die Datei „%1“ ist leer.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no sound.</source>
        <translation>Die Datei „%1“ enthält keinen Ton.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has %2 sound tracks; there is no sound track %3.</source>
        <translation>Die Datei „%1“ hat %2 Tonspuren; eine Tonspur %3 gibt es nicht.</translation>
    </message>
    <message>
        <source>loudness is measured on the sound track the file plays by default, not on the one chosen</source>
        <translation>die Lautheit wird an der Standard-Tonspur der Datei gemessen, nicht an der gewählten</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged; its tags cannot be written.</source>
        <translation>Die Datei „%1“ ist beschädigt; ihre Tags können nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>„%1“ ist keine reguläre Datei.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht erstellt werden: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
    <message>
        <source>cannot make an encoder</source>
        <translation>Encoder kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>Invalid Output Folder Name!</source>
        <translation>Ungültiger Name des Ausgabeordners!</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Ein unbekannter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>Total %1%, paused</source>
        <translation>Gesamt %1%, angehalten</translation>
    </message>
    <message>
        <source>A conversion is running. Cancel it and exit?</source>
        <translation>Eine Konvertierung läuft. Abbrechen und beenden?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being converted. Its tags can be edited once its outputs are done.</source>
        <translation>„%1“ wird gerade konvertiert. Die Tags lassen sich bearbeiten, sobald die Ausgaben fertig sind.</translation>
    </message>
    <message>
        <source>Every checked file is in the running conversion already. Check the files to add to it.</source>
        <translation>Alle angehakten Dateien sind bereits Teil der laufenden Konvertierung. Haken Sie die Dateien an, die hinzukommen sollen.</translation>
    </message>
    <message>
        <source>The running conversion is ending. Press Convert again once it has finished.</source>
        <translation>Die laufende Konvertierung wird beendet. Klicken Sie erneut auf „Konvertieren“, sobald sie abgeschlossen ist.</translation>
    </message>
    <message>
        <source>A conversion is running. Mirror the folder once it has finished.</source>
        <translation>Eine Konvertierung läuft. Spiegeln Sie den Ordner, sobald sie abgeschlossen ist.</translation>
    </message>
</context>
<context>
    <name>MirrorDialog</name>
    <message>
        <source>Mirror a Folder</source>
        <translation>Ordner spiegeln</translation>
    </message>
    <message>
        <source>&amp;Source folder:</source>
        <translation>&amp;Quellordner:</translation>
    </message>
    <message>
        <source>Source folder</source>
        <translation>Quellordner</translation>
    </message>
    <message>
        <source>Browse for the source folder</source>
        <translation>Quellordner auswählen</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen …</translation>
    </message>
    <message>
        <source>&amp;Destination folder:</source>
        <translation>&amp;Zielordner:</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Zielordner auswählen</translation>
    </message>
    <message>
        <source>Bro&amp;wse…</source>
        <translation>Durch&amp;suchen …</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>Ausgabe&amp;format:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Ausgabeformat</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>&amp;Profil:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>&amp;Lossy sources:</source>
        <translation>&amp;Verlustbehaftete Quellen:</translation>
    </message>
    <message>
        <source>Lossy sources</source>
        <translation>Verlustbehaftete Quellen</translation>
    </message>
    <message>
        <source>Copy them as they are</source>
        <translation>Unverändert kopieren</translation>
    </message>
    <message>
        <source>Convert them</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>S&amp;ide files:</source>
        <translation>&amp;Begleitdateien:</translation>
    </message>
    <message>
        <source>Side files</source>
        <translation>Begleitdateien</translation>
    </message>
    <message>
        <source>File name patterns copied beside the outputs, separated by blanks; &quot;none&quot; copies none</source>
        <translation>Dateinamensmuster, die neben die Ausgaben kopiert werden, durch Leerzeichen getrennt; „none“ kopiert keine</translation>
    </message>
    <message>
        <source>&amp;Names:</source>
        <translation>&amp;Namen:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>As they are (Linux and macOS disks)</source>
        <translation>Unverändert (Linux- und macOS-Datenträger)</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards</source>
        <translation>Gültig auf FAT- und exFAT-Karten</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards, ASCII letters only</source>
        <translation>Gültig auf FAT- und exFAT-Karten, nur ASCII-Buchstaben</translation>
    </message>
    <message>
        <source>&amp;Jobs:</source>
        <translation>&amp;Aufträge:</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Aufträge</translation>
    </message>
    <message>
        <source>How many outputs are converted at once</source>
        <translation>Wie viele Ausgaben gleichzeitig konvertiert werden</translation>
    </message>
    <message>
        <source>P&amp;rune outputs whose source is gone</source>
        <translation>Ausgaben &amp;löschen, deren Quelle fehlt</translation>
    </message>
    <message>
        <source>&amp;Keep each source&apos;s modification time</source>
        <translation>Änderungszeit jeder Quelle beibe&amp;halten</translation>
    </message>
    <message>
        <source>(none: the current settings)</source>
        <translation>(keines: die aktuellen Einstellungen)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select the folder to mirror</source>
        <translation>Zu spiegelnden Ordner wählen</translation>
    </message>
    <message>
        <source>Select the folder to mirror into</source>
        <translation>Zielordner der Spiegelung wählen</translation>
    </message>
    <message>
        <source>Prune outputs whose source is gone</source>
        <translation>Ausgaben löschen, deren Quelle fehlt</translation>
    </message>
    <message>
        <source>Keep each source&apos;s modification time</source>
        <translation>Änderungszeit jeder Quelle beibehalten</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <source>Set MP3 Format</source>
        <translation>MP3-Format einstellen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Encoder-Qualität</translation>
    </message>
    <message>
        <source>better</source>
        <translation>besser</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Filterung</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Frequenz des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Breite des Hochpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Frequenz des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Breite des Tiefpassfilters (in Hz):</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Kodierverfahren:</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>VBR-Qualität:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Ziel-Bitrate für ABR:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Maximale VBR-Bitrate</translation>
    </message>
    <message>
        <source>Current bitrate: 128 kbit</source>
        <translation>Aktuelle Bitrate: 128 kbit</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>VBR-Header schreiben</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Minimale Bitrate strikt einhalten</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experten</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>CRC-Prüfsummen einfügen</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>so genau wie möglich der ISO-MPEG-Norm folgen</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>unterschiedliche Blocktypen je Kanal erlauben</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>kurze Blöcke</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>Bit-Reservoir</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>ATH-Steuerung:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Deemphasis:</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Voreinstellungen</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Voreinstellung</translation>
    </message>
    <message>
        <source>Alt-Preset</source>
        <translation>Alternative Voreinstellung</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Befehlszeile</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <source>Set OGG Format</source>
        <translation>OGG-Format einstellen</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>VBR aktiviert</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Qualität aktiviert</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min Bitrate</source>
        <translation>Min. Bitrate</translation>
    </message>
    <message>
        <source>Max Bitrate</source>
        <translation>Max. Bitrate</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Qualität (Kompression)</translation>
    </message>
    <message>
        <source>better</source>
        <translation>besser</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>schneller</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Default Output Folder</source>
        <translation>Standard-Ausgabeordner</translation>
    </message>
    <message>
        <source>If the output folder setting is empty, the output files will be converted into the same source folder.</source>
        <translation>Ist kein Ausgabeordner eingestellt, werden die Ausgabedateien in den Ordner der Quelldatei geschrieben.</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Konvertierung</translation>
    </message>
    <message>
        <source>Check the items automatically when add files</source>
        <translation>Hinzugefügte Dateien automatisch abhaken</translation>
    </message>
    <message>
        <source>Open the output folder after conversion</source>
        <translation>Ausgabeordner nach der Konvertierung öffnen</translation>
    </message>
    <message>
        <source>Copy the audio file info automatically</source>
        <translation>Audiodatei-Infos automatisch übernehmen</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Stapelverarbeitung</translation>
    </message>
    <message>
        <source>Convert up to N files at once</source>
        <translation>Bis zu N Dateien gleichzeitig konvertieren</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Lautheit angleichen</translation>
    </message>
    <message>
        <source>Check every output after it is written</source>
        <translation>Jede Ausgabe nach dem Schreiben prüfen</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>ReplayGain-Tags schreiben</translation>
    </message>
    <message>
        <source>Include the hidden track before track 1 of a CD image</source>
        <translation>Versteckten Titel vor Titel 1 eines CD-Abbilds einbeziehen</translation>
    </message>
    <message>
        <source>Sound a CD image holds before its first track becomes a track of its own, numbered 0</source>
        <translation>Ton, den ein CD-Abbild vor seinem ersten Titel enthält, wird ein eigener Titel mit der Nummer 0</translation>
    </message>
    <message>
        <source>When an output file exists</source>
        <translation>Wenn eine Ausgabedatei existiert</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Save under a new name</source>
        <translation>Unter neuem Namen speichern</translation>
    </message>
    <message>
        <source>Skip the output</source>
        <translation>Ausgabe überspringen</translation>
    </message>
    <message>
        <source>Sound track languages</source>
        <translation>Sprachen der Tonspur</translation>
    </message>
    <message>
        <source>Of a file with several sound tracks, convert the one in the first of these languages it has; otherwise the one it plays by default</source>
        <translation>Bei mehreren Tonspuren die in der ersten vorhandenen dieser Sprachen konvertieren, sonst die Standard-Tonspur</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Save the state of the lastest operation</source>
        <translation>Zustand des letzten Vorgangs speichern</translation>
    </message>
    <message>
        <source>This option will store the operation state (like current folder, Output Format selection) of the lastest operation.</source>
        <translation>Speichert den Zustand des letzten Vorgangs (z. B. aktueller Ordner, gewähltes Ausgabeformat).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>A new language is shown from the next start of the program.</source>
        <translation>Eine neue Sprache wird ab dem nächsten Programmstart angezeigt.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select an default output folder</source>
        <translation>Standard-Ausgabeordner wählen</translation>
    </message>
    <message>
        <source>Sound track languages: %1.</source>
        <translation>Sprachen der Tonspur: %1.</translation>
    </message>
    <message>
        <source>Notify the desktop when a long conversion ends</source>
        <translation>Desktop-Benachrichtigung am Ende einer langen Konvertierung</translation>
    </message>
    <message>
        <source>After a batch of more than a few seconds the desktop shows how many outputs were made, with a button that opens the output folder</source>
        <translation>Nach einer Stapelverarbeitung von mehr als einigen Sekunden zeigt der Desktop, wie viele Ausgaben erstellt wurden, mit einer Schaltfläche, die den Ausgabeordner öffnet</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Con not play video files!</source>
        <translation>Videodateien können nicht abgespielt werden!</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play   </source>
        <translation>Abspielen   </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Vorheriger</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächster</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Die gespeicherten Profile; ein gewähltes Profil stellt die Regler ein, die es umfasst</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter …</translation>
    </message>
    <message>
        <source>Save the current settings as a profile</source>
        <translation>Die aktuellen Einstellungen als Profil speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the chosen profile</source>
        <translation>Das gewählte Profil löschen</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>(current settings)</source>
        <translation>(aktuelle Einstellungen)</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Profil speichern</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Profil löschen</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds settings this version does not know; they were left out:
%2</source>
        <translation>Das Profil „%1“ enthält Einstellungen, die diese Version nicht kennt; sie wurden ausgelassen:
%2</translation>
    </message>
    <message>
        <source>The window has no control for these settings of the profile &quot;%1&quot;; the window&apos;s own are kept:
%2</source>
        <translation>Das Fenster hat keine Regler für diese Einstellungen des Profils „%1“; die des Fensters bleiben erhalten:
%2</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Replace it?</source>
        <translation>Ein Profil namens „%1“ existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;?</source>
        <translation>Das Profil „%1“ löschen?</translation>
    </message>
    <message>
        <source>the tree root %1</source>
        <translation>die Wurzel der Ordnerstruktur %1</translation>
    </message>
    <message>
        <source>the name template</source>
        <translation>die Namensvorlage</translation>
    </message>
    <message>
        <source>the loudness target %1 LUFS</source>
        <translation>das Lautheitsziel %1 LUFS</translation>
    </message>
    <message>
        <source>the MP3 preset %1</source>
        <translation>die MP3-Voreinstellung %1</translation>
    </message>
    <message>
        <source>the MP3 alternative preset %1</source>
        <translation>die alternative MP3-Voreinstellung %1</translation>
    </message>
    <message>
        <source>the LAME switches %1</source>
        <translation>die LAME-Schalter %1</translation>
    </message>
    <message>
        <source>the MP3 rate and channels taken from the panel</source>
        <translation>die MP3-Abtastrate und -Kanäle aus dem Bedienfeld</translation>
    </message>
    <message>
        <source>the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)</source>
        <translation>die Ogg-Vorbis-Einstellung (eine Bitrate oder Qualität, die der Dialog nicht anbietet)</translation>
    </message>
    <message>
        <source>the panel&apos;s %1 Hz, %2 channels</source>
        <translation>die %1 Hz, %2 Kanäle des Bedienfelds</translation>
    </message>
    <message>
        <source>the PCM WAV format %1 Hz, %2 channels, %3 bits</source>
        <translation>das PCM-WAV-Format %1 Hz, %2 Kanäle, %3 Bit</translation>
    </message>
    <message>
        <source>the WMA profile %1</source>
        <translation>das WMA-Profil %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Convert</source>
        <translation>Konvertieren</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Converting from</source>
        <translation>Konvertierung aus</translation>
    </message>
    <message>
        <source>Convert To</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Converting to</source>
        <translation>Konvertierung nach</translation>
    </message>
    <message>
        <source>Running outputs</source>
        <translation>Laufende Ausgaben</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeitung</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Checking %1%</source>
        <translation>Prüfung %1%</translation>
    </message>
    <message>
        <source>Processing %1%</source>
        <translation>Verarbeitung %1%</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Cancel This Output</source>
        <translation>Diese Ausgabe abbrechen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as deu or eng</source>
        <translation>„%1“ ist kein Sprachcode wie deu oder eng</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <source>Up One Level</source>
        <translation>Eine Ebene höher</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Große Symbole</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Kleine Symbole</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Lar&amp;ge icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>S&amp;mall icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Eigen&amp;schaften</translation>
    </message>
    <message>
        <source>Are you sure you want to move &quot;%1&quot; to the trash?</source>
        <translation>Möchten Sie „%1“ wirklich in den Papierkorb verschieben?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to move these %n items to the trash?</source>
        <translation>
            <numerusform>Möchten Sie wirklich %n Element in den Papierkorb verschieben?</numerusform>
            <numerusform>Möchten Sie wirklich diese %n Elemente in den Papierkorb verschieben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Löschen bestätigen</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1</source>
        <translation>Verschieben in den Papierkorb nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Ersetzen bestätigen</translation>
    </message>
    <message>
        <source>This folder already contains &quot;%1&quot;.
Do you want to replace it?</source>
        <translation>Dieser Ordner enthält bereits „%1“.
Soll das Element ersetzt werden?</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Could not paste:
%1</source>
        <translation>Einfügen nicht möglich:
%1</translation>
    </message>
    <message>
        <source>Could not create a folder in %1.</source>
        <translation>In %1 kann kein Ordner erstellt werden.</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Neben dem Klang kann eine Audiodatei Angaben über sich enthalten: Titel, Interpret, Album und Ähnliches, die Medienspieler bei der Wiedergabe anzeigen. Diese Angaben stehen in der Datei selbst; sie sind nicht der Dateiname.</translation>
    </message>
    <message>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>In MPEG-Audiodateien (MP3, MP2) heißen diese Angaben ID3-Tag. Es gibt zwei Versionen, ID3v1 und ID3v2; ID3v2 ist am weitesten verbreitet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Audiodatei-Infos bearbeiten</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Titelnummer:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Titelnummer</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Interpret:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Interpret</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Album:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Mpeg Files Tag Version</source>
        <translation>Tag-Version für MPEG-Dateien</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; Was sind Audiodatei-Infos?&lt;/a&gt;</translation>
    </message>
    <message>
        <source> What is audio file info?</source>
        <translation> Was sind Audiodatei-Infos?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Audiodatei-Infos bearbeiten</translation>
    </message>
    <message>
        <source>The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of that with it.

Remove the ID3v2 tag and store the information as ID3v1?</source>
        <translation>Das ID3v2-Tag dieser Datei enthält mehr, als ein ID3v1-Tag aufnehmen kann (etwa Bilder, lange Texte oder weitere Felder). Werden die Angaben als ID3v1 gespeichert, wird das ID3v2-Tag samt diesem Inhalt entfernt.

ID3v2-Tag entfernen und die Angaben als ID3v1 speichern?</translation>
    </message>
    <message>
        <source>This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not hold.

Remove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag.</source>
        <translation>Diese Datei endet außerdem mit einem ID3v1-Tag, das Angaben enthält, die das ID3v2-Tag nicht enthalten wird.

ID3v1-Tag entfernen? Wählen Sie „Nein“, um es neben dem ID3v2-Tag zu behalten.</translation>
    </message>
    <message>
        <source>Invalid Track Value!</source>
        <translation>Ungültige Titelnummer!</translation>
    </message>
    <message>
        <source>Invalid Year Value!</source>
        <translation>Ungültige Jahresangabe!</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>WAV-Format einstellen</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Abtastrate (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Bitrate</translation>
    </message>
    <message>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Wenn Sie nicht sicher sind, welches Format Sie möchten, können Sie das Format einer Beispieldatei übernehmen.</translation>
    </message>
    <message>
        <source>Set Format As Sample File</source>
        <translation>Format einer Beispieldatei übernehmen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Set Format Like Sample</source>
        <translation>Format wie Beispieldatei</translation>
    </message>
</context>
</TS>
