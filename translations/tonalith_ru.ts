<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Copyright (C) The Tonalith authors.</source>
        <translation>© Авторы Tonalith.</translation>
    </message>
    <message>
        <source>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</source>
        <translation>Кодеки: FFmpeg, LAME, libvorbis, libsndfile, spandsp</translation>
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
        <translation>Ошибка инициализации! Переустановите Tonalith.</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Made, but incomplete:</source>
        <translation>Созданы, но неполные:</translation>
    </message>
    <message>
        <source>Conversion is finished!</source>
        <translation>Конвертирование завершено!</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n outputs were made. Not made:</source>
        <translation>
            <numerusform>Создано %1 из %n результата. Не созданы:</numerusform>
            <numerusform>Создано %1 из %n результатов. Не созданы:</numerusform>
            <numerusform>Создано %1 из %n результатов. Не созданы:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... и ещё %n.</numerusform>
            <numerusform>... и ещё %n.</numerusform>
            <numerusform>... и ещё %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion was cancelled. These files were kept as they were, and their partial outputs dropped:
%1</source>
        <translation>Конвертирование отменено. Эти файлы оставлены как были, а их неполные результаты удалены:
%1</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read from sample %2.</source>
        <translation>Образ «%1» не удаётся прочитать начиная с сэмпла %2.</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be opened (error %2).</source>
        <translation>Не удаётся открыть образ «%1» (ошибка %2).</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds no sound.</source>
        <translation>Образ «%1» не содержит звука.</translation>
    </message>
    <message>
        <source>The loudness meter cannot measure %1 Hz with %2 channels.</source>
        <translation>Измеритель громкости не может измерить %1 Гц, каналов: %2.</translation>
    </message>
    <message>
        <source>The loudness meter cannot count a mono channel twice.</source>
        <translation>Измеритель громкости не может учесть моноканал дважды.</translation>
    </message>
    <message>
        <source>The loudness meter refused a block of the source.</source>
        <translation>Измеритель громкости отверг блок источника.</translation>
    </message>
    <message>
        <source>The loudness of the source cannot be measured.</source>
        <translation>Не удаётся измерить громкость источника.</translation>
    </message>
    <message>
        <source>The true peak of the source cannot be measured.</source>
        <translation>Не удаётся измерить истинный пик источника.</translation>
    </message>
    <message>
        <source>The loudness of the album cannot be measured.</source>
        <translation>Не удаётся измерить громкость альбома.</translation>
    </message>
    <message>
        <source>not below the folder whose tree is kept</source>
        <translation>вне папки, структура которой сохраняется</translation>
    </message>
    <message>
        <source>no free name beside %1</source>
        <translation>нет свободного имени рядом с %1</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 уже существует</translation>
    </message>
    <message>
        <source>%1 was incomplete (%2) and was made again</source>
        <translation>%1 — неполный (%2), создан заново</translation>
    </message>
    <message>
        <source>cancelled; the earlier %1 was kept and the partial output dropped</source>
        <translation>отменено; прежний файл %1 сохранён, неполный результат удалён</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>the loudness cannot be measured (%1)</source>
        <translation>не удаётся измерить громкость (%1)</translation>
    </message>
    <message>
        <source>the writer cannot be prepared for %1</source>
        <translation>не удаётся подготовить запись для %1</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>не удаётся создать %1</translation>
    </message>
    <message>
        <source>cannot open the source</source>
        <translation>не удаётся открыть источник</translation>
    </message>
    <message>
        <source>the output failed its check and was dropped</source>
        <translation>результат не прошёл проверку и удалён</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>ошибка конвертирования</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free temporary name beside it.</source>
        <translation>Не удаётся создать «%1»: рядом нет свободного временного имени.</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>целое число от %1 до %2</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>одно из: %1</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 или 1</translation>
    </message>
    <message>
        <source>empty or </source>
        <translation>пусто или </translation>
    </message>
    <message>
        <source>keep, 2 or 1</source>
        <translation>keep, 2 или 1</translation>
    </message>
    <message>
        <source>empty, keep, 2 or 1</source>
        <translation>empty, keep, 2 или 1</translation>
    </message>
    <message>
        <source>format names such as &quot;mp3 flac&quot; (&quot;%1&quot; is none)</source>
        <translation>имена форматов, например «mp3 flac» («%1» — не формат)</translation>
    </message>
    <message>
        <source>a name template (%1)</source>
        <translation>шаблон имени (%1)</translation>
    </message>
    <message>
        <source>replace, new or skip</source>
        <translation>replace, new или skip</translation>
    </message>
    <message>
        <source>empty or a loudness from -70 to -5 LUFS</source>
        <translation>пусто или громкость от -70 до -5 LUFS</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; is damaged: %2. Nothing was changed.</source>
        <translation>Профиль «%1» повреждён: %2. Ничего не изменено.</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; does not exist.</source>
        <translation>Файл профиля «%1» не существует.</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is %1 bytes long, far more than a profile</source>
        <translation>его размер %1 байт, намного больше профиля</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; cannot be read.</source>
        <translation>Файл профиля «%1» не удаётся прочитать.</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>это не текст</translation>
    </message>
    <message>
        <source>The profile cannot keep &quot;%1&quot;: it holds a line break.</source>
        <translation>Профиль не может сохранить «%1»: в тексте есть перевод строки.</translation>
    </message>
    <message>
        <source>There is no profile named &quot;%1&quot;.</source>
        <translation>Профиля с именем «%1» нет.</translation>
    </message>
    <message>
        <source>The profiles folder &quot;%1&quot; cannot be made.</source>
        <translation>Не удаётся создать папку профилей «%1».</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be deleted.</source>
        <translation>Не удаётся удалить профиль «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a profile: </source>
        <translation>«%1» не годится как имя профиля: </translation>
    </message>
    <message>
        <source>the name is empty.</source>
        <translation>имя пустое.</translation>
    </message>
    <message>
        <source>a name has at most %1 characters.</source>
        <translation>имя не длиннее %1 символов.</translation>
    </message>
    <message>
        <source>a name does not start or end with a blank.</source>
        <translation>имя не должно начинаться или заканчиваться пробелом.</translation>
    </message>
    <message>
        <source>a name does not start with a dot.</source>
        <translation>имя не должно начинаться с точки.</translation>
    </message>
    <message>
        <source>a name holds no folder separator and no control character.</source>
        <translation>имя не должно содержать разделителей папок и управляющих символов.</translation>
    </message>
    <message>
        <source>it has no [profile] section with its version</source>
        <translation>в нём нет раздела [profile] с версией</translation>
    </message>
    <message>
        <source>%1/%2 is given twice</source>
        <translation>%1/%2 указан дважды</translation>
    </message>
    <message>
        <source>%1/%2 is &quot;%3&quot;, where it takes %4</source>
        <translation>%1/%2 имеет значение «%3», а допустимо: %4</translation>
    </message>
    <message>
        <source>The profile cannot be written to &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать профиль в «%1»: %2</translation>
    </message>
    <message>
        <source>%1  Checking %2%</source>
        <translation>%1  Проверка: %2%</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, осталось %1</translation>
    </message>
    <message>
        <source>The audio file is invalid or the format is not supported!!</source>
        <translation>Аудиофайл повреждён или его формат не поддерживается!!</translation>
    </message>
    <message>
        <source>Converter Error</source>
        <translation>Ошибка конвертера</translation>
    </message>
    <message>
        <source>The video file is invalid or the format is not supported!!</source>
        <translation>Видеофайл повреждён или его формат не поддерживается!!</translation>
    </message>
    <message>
        <source>Extract Error</source>
        <translation>Ошибка извлечения</translation>
    </message>
    <message>
        <source>Every output name leads to the source itself.</source>
        <translation>Каждое имя результата указывает на сам источник.</translation>
    </message>
    <message>
        <source>The output file cannot be created (error %1).</source>
        <translation>Не удаётся создать выходной файл (ошибка %1).</translation>
    </message>
    <message>
        <source>No sound could be decoded from &quot;%1&quot;.</source>
        <translation>Не удалось декодировать звук из «%1».</translation>
    </message>
    <message>
        <source>its tags could not be copied: %1</source>
        <translation>не удалось скопировать теги: %1</translation>
    </message>
    <message>
        <source>Please add audio files and check them!</source>
        <translation>Добавьте аудиофайлы и отметьте их!</translation>
    </message>
    <message>
        <source>&quot;Even out loudness&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Even out loudness&quot; off.</source>
        <translation>«Выравнивать громкость» (Параметры) нельзя сочетать с изменением громкости. Выберите «Без изменений» или отключите «Выравнивать громкость».</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Write ReplayGain tags&quot; off.</source>
        <translation>«Записывать теги ReplayGain» (Параметры) нельзя сочетать с изменением громкости. Выберите «Без изменений» или отключите «Записывать теги ReplayGain».</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; and &quot;Even out loudness&quot; (Options) cannot be used together: the one keeps the samples and tags them, the other changes them. Turn one of them off.</source>
        <translation>«Записывать теги ReplayGain» и «Выравнивать громкость» (Параметры) нельзя использовать вместе: первое сохраняет сэмплы и добавляет теги, второе изменяет сэмплы. Отключите одно из них.</translation>
    </message>
    <message>
        <source>A mirrored folder tree needs an output folder. Please choose one.</source>
        <translation>Для повторения структуры папок нужна папка назначения. Выберите её.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>Не удаётся записать теги в «%1».</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror.</source>
        <translation>Выберите папку для зеркалирования.</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror it into.</source>
        <translation>Выберите папку, в которую нужно зеркалировать.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full folder path.</source>
        <translation>«%1» — не полный путь к папке.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>Папка «%1» не существует.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>«%1» — файл, а не папка.</translation>
    </message>
    <message>
        <source>The folder cannot be mirrored into itself.</source>
        <translation>Папку нельзя зеркалировать в саму себя.</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; lies inside the folder it mirrors.</source>
        <translation>Папка назначения «%1» находится внутри зеркалируемой папки.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; lies inside its destination.</source>
        <translation>Папка «%1» находится внутри папки назначения.</translation>
    </message>
    <message>
        <source>Mirroring was stopped.</source>
        <translation>Зеркалирование остановлено.</translation>
    </message>
    <message>
        <source>Mirroring is finished.</source>
        <translation>Зеркалирование завершено.</translation>
    </message>
    <message>
        <source>Converted: %1, copied: %2, unchanged: %3, pruned: %4, failed: %5.</source>
        <translation>Конвертировано: %1, скопировано: %2, без изменений: %3, удалено: %4, ошибок: %5.</translation>
    </message>
    <message>
        <source>The list of mirrored files in &quot;%1&quot; cannot be written: the next mirror makes every file again.</source>
        <translation>Не удаётся записать список зеркалированных файлов в «%1»: при следующем зеркалировании все файлы будут созданы заново.</translation>
    </message>
</context>
<context>
    <name>Components</name>
    <message>
        <source>These encoders are missing from the installed libraries: %1</source>
        <translation>В установленных библиотеках нет этих кодировщиков: %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>«%1» не является файлом.</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>Не удаётся записать теги в «%1».</translation>
    </message>
    <message>
        <source>Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).</source>
        <translation>Версии тегов %1 нет; укажите 1 (ID3v1) или 2 (ID3v2).</translation>
    </message>
    <message>
        <source>Unknown property name &quot;%1&quot;.</source>
        <translation>Неизвестное имя свойства «%1».</translation>
    </message>
    <message>
        <source>The loudness tags cannot be written to &quot;%1&quot;.</source>
        <translation>Не удаётся записать теги громкости в «%1».</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 a bad value: &quot;%2&quot;.</source>
        <translation>В командной строке MP3 у ключа %1 недопустимое значение: «%2».</translation>
    </message>
    <message>
        <source>The MP3 command line names a preset LAME does not know: &quot;%1&quot;.</source>
        <translation>В командной строке MP3 указана предустановка, неизвестная LAME: «%1».</translation>
    </message>
    <message>
        <source>The MP3 command line has a switch LAME does not know: %1</source>
        <translation>В командной строке MP3 есть ключ, неизвестный LAME: %1</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 no value.</source>
        <translation>В командной строке MP3 у ключа %1 нет значения.</translation>
    </message>
    <message>
        <source>The MP3 encoder has no setting %1.</source>
        <translation>У кодировщика MP3 нет параметра %1.</translation>
    </message>
    <message>
        <source>The MP3 %1 cannot be %2 (allowed: %3 to %4).</source>
        <translation>Параметр MP3 %1 не может быть %2 (допустимо: от %3 до %4).</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>Не удалось запустить кодировщик MP3.</translation>
    </message>
    <message>
        <source>The MP3 encoder refused these settings.</source>
        <translation>Кодировщик MP3 отверг эти настройки.</translation>
    </message>
    <message>
        <source>There is no MP3 preset %1 (1 to 11).</source>
        <translation>Предустановки MP3 %1 нет (от 1 до 11).</translation>
    </message>
    <message>
        <source>There is no alternative MP3 preset %1 (1 to 5).</source>
        <translation>Альтернативной предустановки MP3 %1 нет (от 1 до 5).</translation>
    </message>
    <message>
        <source>The player cannot play %1 Hz with %2 channels.</source>
        <translation>Проигрыватель не может воспроизвести %1 Гц, каналов: %2.</translation>
    </message>
    <message>
        <source>A block must hold at least one frame, not %1.</source>
        <translation>Блок должен содержать хотя бы один кадр, а не %1.</translation>
    </message>
    <message>
        <source>silent playback was asked for</source>
        <translation>запрошено беззвучное воспроизведение</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format (%2).</source>
        <translation>Файл «%1» не в известном звуковом формате (%2).</translation>
    </message>
    <message>
        <source>Out of memory while opening the file.</source>
        <translation>Недостаточно памяти для открытия файла.</translation>
    </message>
    <message>
        <source>its channel layout is unreadable</source>
        <translation>его раскладка каналов не читается</translation>
    </message>
    <message>
        <source>This FFmpeg has no &quot;%1&quot; demuxer.</source>
        <translation>В этой сборке FFmpeg нет демультиплексора «%1».</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its streams cannot be read.</source>
        <translation>Файл «%1» повреждён: его потоки не читаются.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has no sound track.</source>
        <translation>В файле «%1» нет звуковой дорожки.</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; is in a format that cannot be decoded (%2).</source>
        <translation>Звук «%1» в формате, который не удаётся декодировать (%2).</translation>
    </message>
    <message>
        <source>its sound cannot be decoded</source>
        <translation>его звук не удаётся декодировать</translation>
    </message>
    <message>
        <source>no sound in it can be decoded</source>
        <translation>в нём нет звука, который можно декодировать</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format (%2 Hz, %3 channels).</source>
        <translation>Файл «%1» указывает невозможный формат (%2 Гц, каналов: %3).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2.</source>
        <translation>Файл «%1» повреждён: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it holds no sound that can be decoded.</source>
        <translation>Файл «%1» повреждён: в нём нет звука, который можно декодировать.</translation>
    </message>
    <message>
        <source>The G.726 decoder cannot start.</source>
        <translation>Не удаётся запустить декодер G.726.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be decoded: %2.</source>
        <translation>Файл «%1» не удаётся декодировать: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format.</source>
        <translation>Файл «%1» указывает невозможный формат.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is cut short.</source>
        <translation>Файл «%1» обрезан.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a damaged header.</source>
        <translation>У файла «%1» повреждён заголовок.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds G.72x sound in %2 channels; only mono is read.</source>
        <translation>Файл «%1» содержит звук G.72x в нескольких каналах (%2); читается только моно.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its format chunk (&quot;fmt &quot;) claims %2 bytes, more than the file holds (%3 bytes).</source>
        <translation>Файл «%1» повреждён: его блок формата (&quot;fmt &quot;) заявляет %2 байт, больше размера файла (%3 байт).</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>«%1» — папка, а не звуковой файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a pipe, socket or device).</source>
        <translation>«%1» не является обычным файлом (это канал, сокет или устройство).</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound or video format.</source>
        <translation>Файл «%1» не в известном звуковом или видеоформате.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format.</source>
        <translation>Файл «%1» не в известном звуковом формате.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as one Ogg Vorbis stream: %2.</source>
        <translation>Файл «%1» не удаётся прочитать как один поток Ogg Vorbis: %2.</translation>
    </message>
    <message>
        <source>No DSP WAV file is open for writing.</source>
        <translation>Нет файла DSP WAV, открытого для записи.</translation>
    </message>
    <message>
        <source>The DSP WAV file &quot;%1&quot; would exceed the format&apos;s length limit.</source>
        <translation>Файл DSP WAV «%1» превысил бы предельную длину формата.</translation>
    </message>
    <message>
        <source>No output file is open for writing</source>
        <translation>Нет выходного файла, открытого для записи</translation>
    </message>
    <message>
        <source>Unsupported input: %1 Hz, %2 channels</source>
        <translation>Неподдерживаемый вход: %1 Гц, каналов: %2</translation>
    </message>
    <message>
        <source>Cannot read the sample file &quot;%1&quot;: %2</source>
        <translation>Не удаётся прочитать файл-образец «%1»: %2</translation>
    </message>
    <message>
        <source>The sample file &quot;%1&quot; is not a PCM WAV file</source>
        <translation>Файл-образец «%1» не является файлом PCM WAV</translation>
    </message>
    <message>
        <source>RAW output is written as signed 16-bit samples only (type %1, %2 bits requested)</source>
        <translation>RAW записывается только 16-битными сэмплами со знаком (запрошены тип %1, %2 бит)</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>сбой %1: %2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>Не удаётся записать «%1»: %2</translation>
    </message>
    <message>
        <source>Sample conversion failed: %1</source>
        <translation>Ошибка преобразования сэмплов: %1</translation>
    </message>
    <message>
        <source>Invalid input description: %1 Hz, %2 channels</source>
        <translation>Недопустимое описание входа: %1 Гц, каналов: %2</translation>
    </message>
    <message>
        <source>A block of %1 values does not hold whole frames of %2 channels</source>
        <translation>Блок из %1 значений не состоит из целых кадров для каналов: %2</translation>
    </message>
    <message>
        <source>Dither failed: %1</source>
        <translation>Ошибка дизеринга: %1</translation>
    </message>
    <message>
        <source>setting refused (%1)</source>
        <translation>параметр отвергнут (%1)</translation>
    </message>
    <message>
        <source>This output format has no writer</source>
        <translation>Для этого формата вывода нет модуля записи</translation>
    </message>
</context>
<context>
    <name>ConversionListPanel</name>
    <message>
        <source>Drag audio files from folder and drop here</source>
        <translation>Перетащите сюда аудиофайлы из папки</translation>
    </message>
    <message>
        <source>Adding files: %v of %m</source>
        <translation>Добавление файлов: %v из %m</translation>
    </message>
    <message>
        <source>Adding files</source>
        <translation>Добавление файлов</translation>
    </message>
    <message>
        <source>Conversion list</source>
        <translation>Список конвертирования</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Не удаётся открыть файл «%1».</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <source>Convert</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Выберите папку назначения</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Записать</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Conversion is finished</source>
        <translation>Конвертирование завершено</translation>
    </message>
    <message>
        <source>Conversion is finished, some outputs were not made</source>
        <translation>Конвертирование завершено, некоторые результаты не созданы</translation>
    </message>
    <message>
        <source>1 output made</source>
        <translation>Создан 1 результат</translation>
    </message>
    <message numerus="yes">
        <source>%n outputs made</source>
        <translation>
            <numerusform>Создан %n результат</numerusform>
            <numerusform>Создано %n результата</numerusform>
            <numerusform>Создано %n результатов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 not made.</source>
        <translation>%1, не создано: %2.</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Открыть папку назначения</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <source>Properties</source>
        <translation>Свойства</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Расположение:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Содержит:</translation>
    </message>
    <message>
        <source>Size of files:</source>
        <translation>Размер файлов:</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Изменено:</translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder</source>
        <translation>
            <numerusform>%n папка</numerusform>
            <numerusform>%n папки</numerusform>
            <numerusform>%n папок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n папка</numerusform>
            <numerusform>%n папки</numerusform>
            <numerusform>%n папок</numerusform>
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
        <translation>Формат вывода   </translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <source>Common Format</source>
        <translation>Основные форматы</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Изм.</translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation>Другие форматы</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation>FLAC, ALAC, AAC и Opus</translation>
    </message>
    <message>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation>Каналы: как есть (до 7.1), стерео или моно</translation>
    </message>
    <message>
        <source>Adjust Volume</source>
        <translation>Изменить громкость</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Change As</source>
        <translation>Изменить на</translation>
    </message>
    <message>
        <source>G.723 bits</source>
        <translation>Биты G.723</translation>
    </message>
    <message>
        <source>G.726 bits</source>
        <translation>Биты G.726</translation>
    </message>
    <message>
        <source>FLAC level</source>
        <translation>Уровень FLAC</translation>
    </message>
    <message>
        <source>AAC bit rate</source>
        <translation>Битрейт AAC</translation>
    </message>
    <message>
        <source>Opus bit rate</source>
        <translation>Битрейт Opus</translation>
    </message>
    <message>
        <source>Opus content</source>
        <translation>Содержимое Opus</translation>
    </message>
    <message>
        <source>FLAC channels</source>
        <translation>Каналы FLAC</translation>
    </message>
    <message>
        <source>ALAC channels</source>
        <translation>Каналы ALAC</translation>
    </message>
    <message>
        <source>AAC channels</source>
        <translation>Каналы AAC</translation>
    </message>
    <message>
        <source>Opus channels</source>
        <translation>Каналы Opus</translation>
    </message>
    <message>
        <source>Set the %1 format</source>
        <translation>Задать формат %1</translation>
    </message>
    <message>
        <source>Change As %</source>
        <translation>Изменить на, %</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Keep</source>
        <translation>Как есть</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>Текущий номинальный битрейт: %1 кбит</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>Текущий мин. битрейт: %1 кбит</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>Текущий макс. битрейт: %1 кбит</translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 бита</translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 бит</translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation>2 бита</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 бита</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 кбит/с</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Речь</translation>
    </message>
    <message>
        <source>Joint Stereo</source>
        <translation>Joint Stereo</translation>
    </message>
    <message>
        <source>Forced Joint Stereo</source>
        <translation>Forced Joint Stereo</translation>
    </message>
    <message>
        <source>Dual Channels</source>
        <translation>Dual Channels</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Старый</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Новый</translation>
    </message>
    <message>
        <source>default</source>
        <translation>по умолчанию</translation>
    </message>
    <message>
        <source>only</source>
        <translation>только</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>отключено</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>только для коротких блоков</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 мкс</translation>
    </message>
    <message>
        <source>Incorrect format</source>
        <translation>Неверный формат</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>Текущий битрейт: %1 кбит</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 is not a usable cue sheet: it lists no tracks.</source>
        <translation>%1 — непригодный CUE-файл: в нём нет дорожек.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, строка %2: %3</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE не указывает файл.</translation>
    </message>
    <message>
        <source>a sheet kept inside a file can describe only that file, but this one names a second.</source>
        <translation>CUE-данные внутри файла могут описывать только этот файл, а здесь указан второй.</translation>
    </message>
    <message>
        <source>TRACK comes before any FILE line.</source>
        <translation>TRACK стоит раньше первой строки FILE.</translation>
    </message>
    <message>
        <source>“%1” is no track number (1 to 99).</source>
        <translation>«%1» — не номер дорожки (от 1 до 99).</translation>
    </message>
    <message>
        <source>a sheet holds at most 99 tracks.</source>
        <translation>CUE-файл содержит не более 99 дорожек.</translation>
    </message>
    <message>
        <source>“%1” is no time (minutes:seconds:frames).</source>
        <translation>«%1» — не время (минуты:секунды:кадры).</translation>
    </message>
    <message>
        <source>INDEX comes before any TRACK line.</source>
        <translation>INDEX стоит раньше первой строки TRACK.</translation>
    </message>
    <message>
        <source>“%1” is no index (a number and a time).</source>
        <translation>«%1» — не индекс (номер и время).</translation>
    </message>
    <message>
        <source>INDEX 00 is out of order in track %1.</source>
        <translation>INDEX 00 дорожки %1 стоит не на своём месте.</translation>
    </message>
    <message>
        <source>INDEX 00 of track %1 lies before the start of the track before it.</source>
        <translation>INDEX 00 дорожки %1 раньше начала предыдущей дорожки.</translation>
    </message>
    <message>
        <source>track %1 has INDEX 01 twice.</source>
        <translation>у дорожки %1 дважды указан INDEX 01.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 lies before its INDEX 00.</source>
        <translation>INDEX 01 дорожки %1 раньше её INDEX 00.</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 does not come after the start of the track before it.</source>
        <translation>INDEX 01 дорожки %1 не позже начала предыдущей дорожки.</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 comes before its INDEX 01.</source>
        <translation>INDEX %1 дорожки %2 стоит раньше её INDEX 01.</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 (checked up to line %2).</source>
        <translation>у дорожки %1 нет INDEX 01 (проверено до строки %2).</translation>
    </message>
    <message>
        <source>%1, line %2: the image “%3” cannot be read, and there is no readable audio file of that name beside the sheet.</source>
        <translation>%1, строка %2: образ «%3» не удаётся прочитать, и рядом с CUE-файлом нет читаемого аудиофайла с таким именем.</translation>
    </message>
    <message>
        <source>%1 is not a cue sheet: it is %2 bytes long.</source>
        <translation>%1 не является CUE-файлом: его размер %2 байт.</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 is %2 bytes long; it cannot be one.</source>
        <translation>CUE-данные внутри %1 занимают %2 байт; это не может быть CUE-файл.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 gives track %2 no start (INDEX 01).</source>
        <translation>CUE-данные внутри %1 не задают начало дорожки %2 (INDEX 01).</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 starts track %2 before the end of the track before it.</source>
        <translation>CUE-данные внутри %1 начинают дорожку %2 раньше конца предыдущей.</translation>
    </message>
    <message>
        <source>Out of memory while reading %1.</source>
        <translation>Недостаточно памяти при чтении %1.</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation>Полное имя</translation>
    </message>
    <message>
        <source>(Video) </source>
        <translation>(Видео) </translation>
    </message>
    <message>
        <source>(Audio) </source>
        <translation>(Аудио) </translation>
    </message>
    <message>
        <source>%1: the image “%2” cannot be read, so its tracks are not listed.</source>
        <translation>%1: образ «%2» не удаётся прочитать, поэтому его дорожки не показаны.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Control Panel</source>
        <translation>Панель управления</translation>
    </message>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Редактор сведений об аудиофайле</translation>
    </message>
    <message>
        <source>Output Format Options Panel</source>
        <translation>Параметры формата вывода</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Действия</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>Содержание справки</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>Написать в поддержку</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Audio File Info</source>
        <translation>Сведения об аудиофайле</translation>
    </message>
    <message>
        <source>Mirror a Folder…</source>
        <translation>Зеркалировать папку…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Invalid Audio Format!</source>
        <translation>Недопустимый формат аудио!</translation>
    </message>
    <message>
        <source>Invalid Vidio Format!</source>
        <translation>Недопустимый формат видео!</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>Выберите формат вывода!</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>Выберите папку назначения</translation>
    </message>
    <message>
        <source>Can not find out the source file:</source>
        <translation>Не удаётся найти исходный файл:</translation>
    </message>
    <message>
        <source>The source cannot be opened (error %1).</source>
        <translation>Не удаётся открыть источник (ошибка %1).</translation>
    </message>
    <message>
        <source>The source reports %1 Hz and %2 channels.</source>
        <translation>Источник сообщает: %1 Гц, каналов: %2.</translation>
    </message>
    <message>
        <source>The conversion failed.</source>
        <translation>Конвертирование не удалось.</translation>
    </message>
    <message>
        <source>Total %1%</source>
        <translation>Всего %1%</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Файл «%1» не существует.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>Файл «%1» не удаётся прочитать.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>Файл «%1» не удаётся прочитать: %2.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: access denied.</source>
        <translation>Файл «%1» не удаётся прочитать: доступ запрещён.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>Файл «%1» пуст.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no sound.</source>
        <translation>Файл «%1» не содержит звука.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has %2 sound tracks; there is no sound track %3.</source>
        <translation>В файле «%1» звуковых дорожек: %2; дорожки %3 нет.</translation>
    </message>
    <message>
        <source>loudness is measured on the sound track the file plays by default, not on the one chosen</source>
        <translation>громкость измеряется по дорожке, воспроизводимой по умолчанию, а не по выбранной</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged; its tags cannot be written.</source>
        <translation>Файл «%1» повреждён; записать теги невозможно.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>«%1» не является обычным файлом.</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>Не удаётся создать «%1»: %2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>недостаточно памяти</translation>
    </message>
    <message>
        <source>cannot make an encoder</source>
        <translation>не удаётся создать кодировщик</translation>
    </message>
    <message>
        <source>Invalid Output Folder Name!</source>
        <translation>Недопустимое имя папки назначения!</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Новая папка</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Моно</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Стерео</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>Произошла неизвестная ошибка.</translation>
    </message>
    <message>
        <source>Total %1%, paused</source>
        <translation>Всего %1%, пауза</translation>
    </message>
    <message>
        <source>A conversion is running. Cancel it and exit?</source>
        <translation>Идёт конвертирование. Отменить его и выйти?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being converted. Its tags can be edited once its outputs are done.</source>
        <translation>«%1» сейчас конвертируется. Его теги можно будет изменить, когда результаты будут готовы.</translation>
    </message>
    <message>
        <source>Every checked file is in the running conversion already. Check the files to add to it.</source>
        <translation>Все отмеченные файлы уже конвертируются. Отметьте файлы, которые нужно добавить.</translation>
    </message>
    <message>
        <source>The running conversion is ending. Press Convert again once it has finished.</source>
        <translation>Текущее конвертирование завершается. Когда оно закончится, нажмите «Старт» ещё раз.</translation>
    </message>
    <message>
        <source>A conversion is running. Mirror the folder once it has finished.</source>
        <translation>Идёт конвертирование. Зеркалируйте папку после его завершения.</translation>
    </message>
</context>
<context>
    <name>MirrorDialog</name>
    <message>
        <source>Mirror a Folder</source>
        <translation>Зеркалирование папки</translation>
    </message>
    <message>
        <source>&amp;Source folder:</source>
        <translation>Ис&amp;ходная папка:</translation>
    </message>
    <message>
        <source>Source folder</source>
        <translation>Исходная папка</translation>
    </message>
    <message>
        <source>Browse for the source folder</source>
        <translation>Выбрать исходную папку</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Обзор…</translation>
    </message>
    <message>
        <source>&amp;Destination folder:</source>
        <translation>Папка &amp;назначения:</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>Папка назначения</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>Выбрать папку назначения</translation>
    </message>
    <message>
        <source>Bro&amp;wse…</source>
        <translation>Об&amp;зор…</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Формат:</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>П&amp;рофиль:</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>&amp;Lossy sources:</source>
        <translation>Источники с &amp;потерями:</translation>
    </message>
    <message>
        <source>Lossy sources</source>
        <translation>Источники с потерями</translation>
    </message>
    <message>
        <source>Copy them as they are</source>
        <translation>Копировать как есть</translation>
    </message>
    <message>
        <source>Convert them</source>
        <translation>Конвертировать</translation>
    </message>
    <message>
        <source>S&amp;ide files:</source>
        <translation>Сопу&amp;тствующие файлы:</translation>
    </message>
    <message>
        <source>Side files</source>
        <translation>Сопутствующие файлы</translation>
    </message>
    <message>
        <source>File name patterns copied beside the outputs, separated by blanks; &quot;none&quot; copies none</source>
        <translation>Шаблоны имён файлов, копируемых рядом с результатами, через пробел; «none» — не копировать ничего</translation>
    </message>
    <message>
        <source>&amp;Names:</source>
        <translation>&amp;Имена:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Имена</translation>
    </message>
    <message>
        <source>As they are (Linux and macOS disks)</source>
        <translation>Как есть (диски Linux и macOS)</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards</source>
        <translation>Допустимые на картах FAT и exFAT</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards, ASCII letters only</source>
        <translation>Допустимые на картах FAT и exFAT, только латиница ASCII</translation>
    </message>
    <message>
        <source>&amp;Jobs:</source>
        <translation>За&amp;даний:</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>Задания</translation>
    </message>
    <message>
        <source>How many outputs are converted at once</source>
        <translation>Сколько файлов конвертируется одновременно</translation>
    </message>
    <message>
        <source>P&amp;rune outputs whose source is gone</source>
        <translation>&amp;Удалять результаты, исходных файлов которых больше нет</translation>
    </message>
    <message>
        <source>&amp;Keep each source&apos;s modification time</source>
        <translation>&amp;Сохранять время изменения исходных файлов</translation>
    </message>
    <message>
        <source>(none: the current settings)</source>
        <translation>(нет: текущие настройки)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select the folder to mirror</source>
        <translation>Выберите папку для зеркалирования</translation>
    </message>
    <message>
        <source>Select the folder to mirror into</source>
        <translation>Выберите папку назначения для зеркалирования</translation>
    </message>
    <message>
        <source>Prune outputs whose source is gone</source>
        <translation>Удалять результаты, исходных файлов которых больше нет</translation>
    </message>
    <message>
        <source>Keep each source&apos;s modification time</source>
        <translation>Сохранять время изменения исходных файлов</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <source>Set MP3 Format</source>
        <translation>Настройка формата MP3</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>Качество кодирования</translation>
    </message>
    <message>
        <source>better</source>
        <translation>лучше</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>быстрее</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>Фильтрация</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>Частота фильтра верхних частот (Гц):</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>Ширина фильтра верхних частот (Гц):</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>Частота фильтра нижних частот (Гц):</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>Ширина фильтра нижних частот (Гц):</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>Метод кодирования:</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>Качество VBR:</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>Целевой битрейт ABR:</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>Макс. битрейт VBR</translation>
    </message>
    <message>
        <source>Current bitrate: 128 kbit</source>
        <translation>Текущий битрейт: 128 кбит</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Дополнительно</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>Записывать заголовок VBR</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>Строго соблюдать мин. битрейт</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Эксперт</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>включать контрольные суммы CRC</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>по возможности следовать стандарту ISO MPEG</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>разрешить разные типы блоков в каналах</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>короткие блоки</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>битовый резервуар</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>Управление ATH:</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>Деэмфазис:</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>Предустановки</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>Предустановка</translation>
    </message>
    <message>
        <source>Alt-Preset</source>
        <translation>Альт. предустановка</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>Командная строка</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <source>Set OGG Format</source>
        <translation>Настройка формата OGG</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Битрейт</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>Включить VBR</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>Режим качества</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min Bitrate</source>
        <translation>Мин. битрейт</translation>
    </message>
    <message>
        <source>Max Bitrate</source>
        <translation>Макс. битрейт</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>Качество (сжатие)</translation>
    </message>
    <message>
        <source>better</source>
        <translation>лучше</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>быстрее</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Default Output Folder</source>
        <translation>Папка назначения по умолчанию</translation>
    </message>
    <message>
        <source>If the output folder setting is empty, the output files will be converted into the same source folder.</source>
        <translation>Если папка назначения не задана, результаты сохраняются в папку исходного файла.</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Конвертирование</translation>
    </message>
    <message>
        <source>Check the items automatically when add files</source>
        <translation>Отмечать файлы при добавлении</translation>
    </message>
    <message>
        <source>Open the output folder after conversion</source>
        <translation>Открывать папку назначения после конвертирования</translation>
    </message>
    <message>
        <source>Copy the audio file info automatically</source>
        <translation>Копировать сведения об аудиофайле</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>Пакет</translation>
    </message>
    <message>
        <source>Convert up to N files at once</source>
        <translation>Одновременно конвертировать до N файлов</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>Выравнивать громкость</translation>
    </message>
    <message>
        <source>Check every output after it is written</source>
        <translation>Проверять каждый результат после записи</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>Записывать теги ReplayGain</translation>
    </message>
    <message>
        <source>Include the hidden track before track 1 of a CD image</source>
        <translation>Включать скрытую дорожку перед дорожкой 1 образа CD</translation>
    </message>
    <message>
        <source>Sound a CD image holds before its first track becomes a track of its own, numbered 0</source>
        <translation>Звук образа CD перед первой дорожкой становится отдельной дорожкой с номером 0</translation>
    </message>
    <message>
        <source>When an output file exists</source>
        <translation>Если файл уже существует</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Save under a new name</source>
        <translation>Сохранить под новым именем</translation>
    </message>
    <message>
        <source>Skip the output</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>Sound track languages</source>
        <translation>Языки звуковых дорожек</translation>
    </message>
    <message>
        <source>Of a file with several sound tracks, convert the one in the first of these languages it has; otherwise the one it plays by default</source>
        <translation>Из файла с несколькими звуковыми дорожками конвертировать дорожку на первом из этих языков, который в нём есть; иначе — дорожку по умолчанию</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Save the state of the lastest operation</source>
        <translation>Сохранять состояние последней операции</translation>
    </message>
    <message>
        <source>This option will store the operation state (like current folder, Output Format selection) of the lastest operation.</source>
        <translation>Этот параметр сохраняет состояние последней операции (текущую папку, выбор формата вывода и т. п.).</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Как в системе</translation>
    </message>
    <message>
        <source>A new language is shown from the next start of the program.</source>
        <translation>Новый язык будет применён при следующем запуске программы.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select an default output folder</source>
        <translation>Выберите папку назначения по умолчанию</translation>
    </message>
    <message>
        <source>Sound track languages: %1.</source>
        <translation>Языки звуковых дорожек: %1.</translation>
    </message>
    <message>
        <source>Notify the desktop when a long conversion ends</source>
        <translation>Уведомлять по окончании долгого конвертирования</translation>
    </message>
    <message>
        <source>After a batch of more than a few seconds the desktop shows how many outputs were made, with a button that opens the output folder</source>
        <translation>После пакета дольше нескольких секунд рабочий стол покажет, сколько результатов создано, с кнопкой, открывающей папку назначения</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Con not play video files!</source>
        <translation>Невозможно воспроизвести видеофайлы!</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play   </source>
        <translation>Воспроизведение   </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Предыдущий</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующий</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>Сохранённые профили; выбранный профиль задаёт значения своих параметров</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Save the current settings as a profile</source>
        <translation>Сохранить текущие настройки как профиль</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete the chosen profile</source>
        <translation>Удалить выбранный профиль</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>(current settings)</source>
        <translation>(текущие настройки)</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>Сохранение профиля</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>Удаление профиля</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Профиль</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds settings this version does not know; they were left out:
%2</source>
        <translation>Профиль «%1» содержит настройки, неизвестные этой версии; они пропущены:
%2</translation>
    </message>
    <message>
        <source>The window has no control for these settings of the profile &quot;%1&quot;; the window&apos;s own are kept:
%2</source>
        <translation>Для этих настроек профиля «%1» в окне нет элементов управления; оставлены значения окна:
%2</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>Имя профиля:</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Replace it?</source>
        <translation>Профиль «%1» уже существует. Заменить его?</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;?</source>
        <translation>Удалить профиль «%1»?</translation>
    </message>
    <message>
        <source>the tree root %1</source>
        <translation>корень дерева %1</translation>
    </message>
    <message>
        <source>the name template</source>
        <translation>шаблон имени</translation>
    </message>
    <message>
        <source>the loudness target %1 LUFS</source>
        <translation>целевая громкость %1 LUFS</translation>
    </message>
    <message>
        <source>the MP3 preset %1</source>
        <translation>предустановка MP3 %1</translation>
    </message>
    <message>
        <source>the MP3 alternative preset %1</source>
        <translation>альтернативная предустановка MP3 %1</translation>
    </message>
    <message>
        <source>the LAME switches %1</source>
        <translation>ключи LAME %1</translation>
    </message>
    <message>
        <source>the MP3 rate and channels taken from the panel</source>
        <translation>частота и каналы MP3 с панели</translation>
    </message>
    <message>
        <source>the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)</source>
        <translation>настройка Ogg Vorbis (битрейт или качество, которых нет в окне настройки)</translation>
    </message>
    <message>
        <source>the panel&apos;s %1 Hz, %2 channels</source>
        <translation>значения панели: %1 Гц, каналов: %2</translation>
    </message>
    <message>
        <source>the PCM WAV format %1 Hz, %2 channels, %3 bits</source>
        <translation>формат PCM WAV: %1 Гц, каналов: %2, бит: %3</translation>
    </message>
    <message>
        <source>the WMA profile %1</source>
        <translation>профиль WMA %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Convert</source>
        <translation>Конвертирование</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Converting from</source>
        <translation>Конвертирование из</translation>
    </message>
    <message>
        <source>Convert To</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Converting to</source>
        <translation>Конвертирование в</translation>
    </message>
    <message>
        <source>Running outputs</source>
        <translation>Выполняемые преобразования</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Всего</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Checking %1%</source>
        <translation>Проверка: %1%</translation>
    </message>
    <message>
        <source>Processing %1%</source>
        <translation>Обработка: %1%</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Cancel This Output</source>
        <translation>Отменить этот файл</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удаётся записать в %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as deu or eng</source>
        <translation>«%1» — не код языка вида deu или eng</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <source>Up One Level</source>
        <translation>На уровень вверх</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>Крупные значки</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>Мелкие значки</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Список</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Подробно</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Файлы</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>Lar&amp;ge icons</source>
        <translation>&amp;Крупные значки</translation>
    </message>
    <message>
        <source>S&amp;mall icons</source>
        <translation>&amp;Мелкие значки</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>С&amp;писок</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>П&amp;одробно</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>Вс&amp;тавить</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>&amp;Создать</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Папку</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>Сво&amp;йства</translation>
    </message>
    <message>
        <source>Are you sure you want to move &quot;%1&quot; to the trash?</source>
        <translation>Переместить «%1» в корзину?</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to move these %n items to the trash?</source>
        <translation>
            <numerusform>Переместить %n объект в корзину?</numerusform>
            <numerusform>Переместить %n объекта в корзину?</numerusform>
            <numerusform>Переместить %n объектов в корзину?</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>Подтверждение удаления</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1</source>
        <translation>Не удалось переместить в корзину:
%1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>Подтверждение замены файла</translation>
    </message>
    <message>
        <source>This folder already contains &quot;%1&quot;.
Do you want to replace it?</source>
        <translation>В этой папке уже есть «%1».
Заменить?</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Could not paste:
%1</source>
        <translation>Не удалось вставить:
%1</translation>
    </message>
    <message>
        <source>Could not create a folder in %1.</source>
        <translation>Не удалось создать папку в %1.</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>Кроме звука, аудиофайл может содержать сведения о нём: название, исполнителя, альбом и т. п., которые проигрыватели показывают во время воспроизведения. Эти сведения хранятся в самом файле; это не имя файла.</translation>
    </message>
    <message>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>В аудиофайлах MPEG (MP3, MP2) эти сведения называются тегом ID3. Есть две версии, ID3v1 и ID3v2; шире всего используется ID3v2.</translation>
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
        <translation>Редактор сведений об аудиофайле</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Формат</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>Дорожка:</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Дорожка</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>Исполнитель:</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>Исполнитель</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>Альбом:</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>Альбом</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Жанр</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>Комментарий:</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Mpeg Files Tag Version</source>
        <translation>Версия тегов файлов MPEG</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; Что такое сведения об аудиофайле?&lt;/a&gt;</translation>
    </message>
    <message>
        <source> What is audio file info?</source>
        <translation> Что такое сведения об аудиофайле?</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>Редактор сведений об аудиофайле</translation>
    </message>
    <message>
        <source>The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of that with it.

Remove the ID3v2 tag and store the information as ID3v1?</source>
        <translation>Тег ID3v2 этого файла содержит больше, чем может вместить тег ID3v1 (изображения, длинные тексты, дополнительные поля). При сохранении сведений в ID3v1 тег ID3v2 будет удалён вместе со всем этим.

Удалить тег ID3v2 и сохранить сведения в ID3v1?</translation>
    </message>
    <message>
        <source>This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not hold.

Remove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag.</source>
        <translation>В конце этого файла есть также тег ID3v1 со сведениями, которых не будет в теге ID3v2.

Удалить тег ID3v1? Выберите «Нет», чтобы оставить его рядом с тегом ID3v2.</translation>
    </message>
    <message>
        <source>Invalid Track Value!</source>
        <translation>Недопустимый номер дорожки!</translation>
    </message>
    <message>
        <source>Invalid Year Value!</source>
        <translation>Недопустимое значение года!</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>Настройка формата WAV</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>Разрядность</translation>
    </message>
    <message>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>Если вы не знаете, какой формат выбрать, можно взять формат файла-образца.</translation>
    </message>
    <message>
        <source>Set Format As Sample File</source>
        <translation>Взять формат из образца</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Set Format Like Sample</source>
        <translation>Формат как у образца</translation>
    </message>
</context>
</TS>
