<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright (C) The Tonalith authors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Initialize Error! Please reinstall Tonalith!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Made, but incomplete:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion is finished!</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n outputs were made. Not made:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion was cancelled. These files were kept as they were, and their partial outputs dropped:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read from sample %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be opened (error %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness meter cannot measure %1 Hz with %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness meter cannot count a mono channel twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness meter refused a block of the source.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness of the source cannot be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The true peak of the source cannot be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness of the album cannot be measured.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not below the folder whose tree is kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free name beside %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was incomplete (%2) and was made again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled; the earlier %1 was kept and the partial output dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the loudness cannot be measured (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the writer cannot be prepared for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the output failed its check and was dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free temporary name beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keep, 2 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty, keep, 2 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>format names such as &quot;mp3 flac&quot; (&quot;%1&quot; is none)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name template (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replace, new or skip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty or a loudness from -70 to -5 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; is damaged: %2. Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is %1 bytes long, far more than a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile cannot keep &quot;%1&quot;: it holds a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no profile named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profiles folder &quot;%1&quot; cannot be made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a profile: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name has at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name does not start or end with a blank.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name does not start with a dot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a name holds no folder separator and no control character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no [profile] section with its version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 is &quot;%3&quot;, where it takes %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile cannot be written to &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  Checking %2%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio file is invalid or the format is not supported!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converter Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The video file is invalid or the format is not supported!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extract Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every output name leads to the source itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output file cannot be created (error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound could be decoded from &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tags could not be copied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please add audio files and check them!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Even out loudness&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Even out loudness&quot; off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Write ReplayGain tags&quot; off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; and &quot;Even out loudness&quot; (Options) cannot be used together: the one keeps the samples and tags them, the other changes them. Turn one of them off.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A mirrored folder tree needs an output folder. Please choose one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Components</name>
    <message>
        <source>These encoders are missing from the installed libraries: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown property name &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The loudness tags cannot be written to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 a bad value: &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 command line names a preset LAME does not know: &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 command line has a switch LAME does not know: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 no value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder has no setting %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 %1 cannot be %2 (allowed: %3 to %4).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MP3 encoder refused these settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no MP3 preset %1 (1 to 11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no alternative MP3 preset %1 (1 to 5).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The player cannot play %1 Hz with %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block must hold at least one frame, not %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>silent playback was asked for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory while opening the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its channel layout is unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This FFmpeg has no &quot;%1&quot; demuxer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its streams cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has no sound track.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; is in a format that cannot be decoded (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its sound cannot be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound in it can be decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format (%2 Hz, %3 channels).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it holds no sound that can be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The G.726 decoder cannot start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be decoded: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is cut short.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a damaged header.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds G.72x sound in %2 channels; only mono is read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its format chunk (&quot;fmt &quot;) claims %2 bytes, more than the file holds (%3 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a pipe, socket or device).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound or video format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as one Ogg Vorbis stream: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No DSP WAV file is open for writing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The DSP WAV file &quot;%1&quot; would exceed the format&apos;s length limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output file is open for writing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported input: %1 Hz, %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the sample file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sample file &quot;%1&quot; is not a PCM WAV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAW output is written as signed 16-bit samples only (type %1, %2 bits requested)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample conversion failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid input description: %1 Hz, %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A block of %1 values does not hold whole frames of %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dither failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>setting refused (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This output format has no writer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConversionListPanel</name>
    <message>
        <source>Drag audio files from folder and drop here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding files: %v of %m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <source>Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the number of files and the number of folders a folder holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <source>Output Format   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <source>Common Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G.723 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G.726 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAC bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus bit rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus content</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALAC channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAC channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the %1 format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change As %</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 is not a usable cue sheet: it lists no tracks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sheet kept inside a file can describe only that file, but this one names a second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRACK comes before any FILE line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no track number (1 to 99).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a sheet holds at most 99 tracks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no time (minutes:seconds:frames).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX comes before any TRACK line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is no index (a number and a time).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX 00 is out of order in track %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX 00 of track %1 lies before the start of the track before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track %1 has INDEX 01 twice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 lies before its INDEX 00.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 does not come after the start of the track before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 comes before its INDEX 01.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 (checked up to line %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, line %2: the image “%3” cannot be read, and there is no readable audio file of that name beside the sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a cue sheet: it is %2 bytes long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cue sheet inside %1 is %2 bytes long; it cannot be one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cue sheet inside %1 gives track %2 no start (INDEX 01).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cue sheet inside %1 starts track %2 before the end of the track before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory while reading %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Video) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Audio) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the image “%2” cannot be read, so its tracks are not listed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Control Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio File Info Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format Options Panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio File Info</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Audio Format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Vidio Format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find out the source file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source cannot be opened (error %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The source reports %1 Hz and %2 channels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The conversion failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: access denied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has %2 sound tracks; there is no sound track %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>loudness is measured on the sound track the file plays by default, not on the one chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged; its tags cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot make an encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Output Folder Name!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <source>Set MP3 Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current bitrate: 128 kbit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt-Preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <source>Set OGG Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VBR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>better</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>faster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the output folder setting is empty, the output files will be converted into the same source folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check the items automatically when add files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the output folder after conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the audio file info automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert up to N files at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check every output after it is written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include the hidden track before track 1 of a CD image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound a CD image holds before its first track becomes a track of its own, numbered 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When an output file exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save under a new name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip the output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound track languages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Of a file with several sound tracks, convert the one in the first of these languages it has; otherwise the one it plays by default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the state of the lastest operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option will store the operation state (like current folder, Output Format selection) of the lastest operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language is shown from the next start of the program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an default output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound track languages: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Con not play video files!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the current settings as a profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the chosen profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>(current settings)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds settings this version does not know; they were left out:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window has no control for these settings of the profile &quot;%1&quot;; the window&apos;s own are kept:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tree root %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name template</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the loudness target %1 LUFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 preset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 alternative preset %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the LAME switches %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the MP3 rate and channels taken from the panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the panel&apos;s %1 Hz, %2 channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PCM WAV format %1 Hz, %2 channels, %3 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the WMA profile %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Converting to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Processing %1%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as deu or eng</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <source>Up One Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;mall icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to move &quot;%1&quot; to the trash?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to move these %n items to the trash?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This folder already contains &quot;%1&quot;.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not paste:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create a folder in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Artist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Album</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mpeg Files Tag Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> What is audio file info?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of that with it.

Remove the ID3v2 tag and store the information as ID3v1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not hold.

Remove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Track Value!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Year Value!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Format As Sample File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Format Like Sample</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
