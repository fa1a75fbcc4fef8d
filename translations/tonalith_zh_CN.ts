<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Copyright (C) The Tonalith authors.</source>
        <translation>版权所有 (C) Tonalith 作者。</translation>
    </message>
    <message>
        <source>Codecs: FFmpeg, LAME, libvorbis, libsndfile, spandsp</source>
        <translation>编解码器：FFmpeg、LAME、libvorbis、libsndfile、spandsp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>Application</name>
    <message>
        <source>Initialize Error! Please reinstall Tonalith!</source>
        <translation>初始化错误！请重新安装 Tonalith！</translation>
    </message>
</context>
<context>
    <name>Batch</name>
    <message>
        <source>Made, but incomplete:</source>
        <translation>已生成但不完整：</translation>
    </message>
    <message>
        <source>Conversion is finished!</source>
        <translation>转换完成！</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n outputs were made. Not made:</source>
        <translation>
            <numerusform>已生成 %1 个输出（共 %n 个）。未生成：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>……以及另外 %n 个。</numerusform>
        </translation>
    </message>
    <message>
        <source>Conversion was cancelled. These files were kept as they were, and their partial outputs dropped:
%1</source>
        <translation>转换已取消。以下文件保持原样，其不完整的输出已丢弃：
%1</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be read from sample %2.</source>
        <translation>无法从第 %2 个采样起读取映像“%1”。</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; cannot be opened (error %2).</source>
        <translation>无法打开映像“%1”（错误 %2）。</translation>
    </message>
    <message>
        <source>The image &quot;%1&quot; holds no sound.</source>
        <translation>映像“%1”不含声音。</translation>
    </message>
    <message>
        <source>The loudness meter cannot measure %1 Hz with %2 channels.</source>
        <translation>响度计无法测量 %1 Hz、%2 个声道的声音。</translation>
    </message>
    <message>
        <source>The loudness meter cannot count a mono channel twice.</source>
        <translation>响度计无法对单声道计两次。</translation>
    </message>
    <message>
        <source>The loudness meter refused a block of the source.</source>
        <translation>响度计拒绝了源文件的一个数据块。</translation>
    </message>
    <message>
        <source>The loudness of the source cannot be measured.</source>
        <translation>无法测量源文件的响度。</translation>
    </message>
    <message>
        <source>The true peak of the source cannot be measured.</source>
        <translation>无法测量源文件的真实峰值。</translation>
    </message>
    <message>
        <source>The loudness of the album cannot be measured.</source>
        <translation>无法测量专辑的响度。</translation>
    </message>
    <message>
        <source>not below the folder whose tree is kept</source>
        <translation>不在保留目录结构的文件夹之下</translation>
    </message>
    <message>
        <source>no free name beside %1</source>
        <translation>%1 旁没有可用的文件名</translation>
    </message>
    <message>
        <source>%1 exists</source>
        <translation>%1 已存在</translation>
    </message>
    <message>
        <source>%1 was incomplete (%2) and was made again</source>
        <translation>%1 不完整（%2），已重新生成</translation>
    </message>
    <message>
        <source>cancelled; the earlier %1 was kept and the partial output dropped</source>
        <translation>已取消；保留了之前的 %1，并丢弃了不完整的输出</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>the loudness cannot be measured (%1)</source>
        <translation>无法测量响度（%1）</translation>
    </message>
    <message>
        <source>the writer cannot be prepared for %1</source>
        <translation>无法为 %1 准备写入器</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>无法创建 %1</translation>
    </message>
    <message>
        <source>cannot open the source</source>
        <translation>无法打开源文件</translation>
    </message>
    <message>
        <source>the output failed its check and was dropped</source>
        <translation>输出未通过检查，已丢弃</translation>
    </message>
    <message>
        <source>conversion failed</source>
        <translation>转换失败</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: no free temporary name beside it.</source>
        <translation>无法创建“%1”：旁边没有可用的临时文件名。</translation>
    </message>
    <message>
        <source>a whole number from %1 to %2</source>
        <translation>%1 到 %2 之间的整数</translation>
    </message>
    <message>
        <source>one of %1</source>
        <translation>以下之一：%1</translation>
    </message>
    <message>
        <source>0 or 1</source>
        <translation>0 或 1</translation>
    </message>
    <message>
        <source>empty or </source>
        <translation>留空或 </translation>
    </message>
    <message>
        <source>keep, 2 or 1</source>
        <translation>keep、2 或 1</translation>
    </message>
    <message>
        <source>empty, keep, 2 or 1</source>
        <translation>empty、keep、2 或 1</translation>
    </message>
    <message>
        <source>format names such as &quot;mp3 flac&quot; (&quot;%1&quot; is none)</source>
        <translation>格式名称，如“mp3 flac”（“%1”不是格式名称）</translation>
    </message>
    <message>
        <source>a name template (%1)</source>
        <translation>名称模板（%1）</translation>
    </message>
    <message>
        <source>replace, new or skip</source>
        <translation>replace、new 或 skip</translation>
    </message>
    <message>
        <source>empty or a loudness from -70 to -5 LUFS</source>
        <translation>留空或 -70 到 -5 LUFS 之间的响度</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; is damaged: %2. Nothing was changed.</source>
        <translation>配置方案“%1”已损坏：%2。未做任何更改。</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; does not exist.</source>
        <translation>配置方案文件“%1”不存在。</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>it is %1 bytes long, far more than a profile</source>
        <translation>长度为 %1 字节，远超配置方案的大小</translation>
    </message>
    <message>
        <source>The profile file &quot;%1&quot; cannot be read.</source>
        <translation>无法读取配置方案文件“%1”。</translation>
    </message>
    <message>
        <source>it is not text</source>
        <translation>不是文本</translation>
    </message>
    <message>
        <source>The profile cannot keep &quot;%1&quot;: it holds a line break.</source>
        <translation>配置方案无法保存“%1”：其中含有换行符。</translation>
    </message>
    <message>
        <source>There is no profile named &quot;%1&quot;.</source>
        <translation>没有名为“%1”的配置方案。</translation>
    </message>
    <message>
        <source>The profiles folder &quot;%1&quot; cannot be made.</source>
        <translation>无法创建配置方案文件夹“%1”。</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; cannot be deleted.</source>
        <translation>无法删除配置方案“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot name a profile: </source>
        <translation>“%1”不能用作配置方案名称：</translation>
    </message>
    <message>
        <source>the name is empty.</source>
        <translation>名称为空。</translation>
    </message>
    <message>
        <source>a name has at most %1 characters.</source>
        <translation>名称最多 %1 个字符。</translation>
    </message>
    <message>
        <source>a name does not start or end with a blank.</source>
        <translation>名称的开头和结尾不能是空格。</translation>
    </message>
    <message>
        <source>a name does not start with a dot.</source>
        <translation>名称不能以点开头。</translation>
    </message>
    <message>
        <source>a name holds no folder separator and no control character.</source>
        <translation>名称不能包含文件夹分隔符或控制字符。</translation>
    </message>
    <message>
        <source>it has no [profile] section with its version</source>
        <translation>缺少带版本号的 [profile] 节</translation>
    </message>
    <message>
        <source>%1/%2 is given twice</source>
        <translation>%1/%2 重复给出</translation>
    </message>
    <message>
        <source>%1/%2 is &quot;%3&quot;, where it takes %4</source>
        <translation>%1/%2 的值为“%3”，而此处应为%4</translation>
    </message>
    <message>
        <source>The profile cannot be written to &quot;%1&quot;: %2</source>
        <translation>无法将配置方案写入“%1”：%2</translation>
    </message>
    <message>
        <source>%1  Checking %2%</source>
        <translation>%1  正在检查 %2%</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>，剩余 %1</translation>
    </message>
    <message>
        <source>The audio file is invalid or the format is not supported!!</source>
        <translation>音频文件无效或格式不受支持！！</translation>
    </message>
    <message>
        <source>Converter Error</source>
        <translation>转换器错误</translation>
    </message>
    <message>
        <source>The video file is invalid or the format is not supported!!</source>
        <translation>视频文件无效或格式不受支持！！</translation>
    </message>
    <message>
        <source>Extract Error</source>
        <translation>提取错误</translation>
    </message>
    <message>
        <source>Every output name leads to the source itself.</source>
        <translation>所有输出文件名都指向源文件本身。</translation>
    </message>
    <message>
        <source>The output file cannot be created (error %1).</source>
        <translation>无法创建输出文件（错误 %1）。</translation>
    </message>
    <message>
        <source>No sound could be decoded from &quot;%1&quot;.</source>
        <translation>无法从“%1”解码出任何声音。</translation>
    </message>
    <message>
        <source>its tags could not be copied: %1</source>
        <translation>无法复制其标签：%1</translation>
    </message>
    <message>
        <source>Please add audio files and check them!</source>
        <translation>请添加音频文件并勾选！</translation>
    </message>
    <message>
        <source>&quot;Even out loudness&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Even out loudness&quot; off.</source>
        <translation>“均衡响度”（选项）不能与音量调整同时使用。请将音量设为“不变”，或关闭“均衡响度”。</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; (Options) and a volume change cannot be used together. Set the volume to &quot;No Change&quot; or turn &quot;Write ReplayGain tags&quot; off.</source>
        <translation>“写入 ReplayGain 标签”（选项）不能与音量调整同时使用。请将音量设为“不变”，或关闭“写入 ReplayGain 标签”。</translation>
    </message>
    <message>
        <source>&quot;Write ReplayGain tags&quot; and &quot;Even out loudness&quot; (Options) cannot be used together: the one keeps the samples and tags them, the other changes them. Turn one of them off.</source>
        <translation>“写入 ReplayGain 标签”和“均衡响度”（选项）不能同时使用：前者保留采样并写入标签，后者会改变采样。请关闭其中之一。</translation>
    </message>
    <message>
        <source>A mirrored folder tree needs an output folder. Please choose one.</source>
        <translation>镜像文件夹结构需要输出文件夹。请选择一个。</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>无法将标签写入“%1”。</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror.</source>
        <translation>请选择要镜像的文件夹。</translation>
    </message>
    <message>
        <source>Please choose the folder to mirror it into.</source>
        <translation>请选择镜像的目标文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a full folder path.</source>
        <translation>“%1”不是完整的文件夹路径。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; does not exist.</source>
        <translation>文件夹“%1”不存在。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a file, not a folder.</source>
        <translation>“%1”是文件，不是文件夹。</translation>
    </message>
    <message>
        <source>The folder cannot be mirrored into itself.</source>
        <translation>不能将文件夹镜像到其自身。</translation>
    </message>
    <message>
        <source>The destination &quot;%1&quot; lies inside the folder it mirrors.</source>
        <translation>目标文件夹“%1”位于被镜像的文件夹之内。</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; lies inside its destination.</source>
        <translation>文件夹“%1”位于其目标文件夹之内。</translation>
    </message>
    <message>
        <source>Mirroring was stopped.</source>
        <translation>镜像已停止。</translation>
    </message>
    <message>
        <source>Mirroring is finished.</source>
        <translation>镜像完成。</translation>
    </message>
    <message>
        <source>Converted: %1, copied: %2, unchanged: %3, pruned: %4, failed: %5.</source>
        <translation>已转换：%1，已复制：%2，未更改：%3，已删除：%4，失败：%5。</translation>
    </message>
    <message>
        <source>The list of mirrored files in &quot;%1&quot; cannot be written: the next mirror makes every file again.</source>
        <translation>无法写入“%1”中的已镜像文件列表：下次镜像时将重新生成所有文件。</translation>
    </message>
</context>
<context>
    <name>Components</name>
    <message>
        <source>These encoders are missing from the installed libraries: %1</source>
        <translation>已安装的库中缺少以下编码器：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file.</source>
        <translation>“%1”不是文件。</translation>
    </message>
    <message>
        <source>The tags cannot be written to &quot;%1&quot;.</source>
        <translation>无法将标签写入“%1”。</translation>
    </message>
    <message>
        <source>Tag version %1 does not exist; use 1 (ID3v1) or 2 (ID3v2).</source>
        <translation>标签版本 %1 不存在；请使用 1（ID3v1）或 2（ID3v2）。</translation>
    </message>
    <message>
        <source>Unknown property name &quot;%1&quot;.</source>
        <translation>未知的属性名称“%1”。</translation>
    </message>
    <message>
        <source>The loudness tags cannot be written to &quot;%1&quot;.</source>
        <translation>无法将响度标签写入“%1”。</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 a bad value: &quot;%2&quot;.</source>
        <translation>MP3 命令行给开关 %1 提供了错误的值：“%2”。</translation>
    </message>
    <message>
        <source>The MP3 command line names a preset LAME does not know: &quot;%1&quot;.</source>
        <translation>MP3 命令行指定了 LAME 不认识的预设：“%1”。</translation>
    </message>
    <message>
        <source>The MP3 command line has a switch LAME does not know: %1</source>
        <translation>MP3 命令行中有 LAME 不认识的开关：%1</translation>
    </message>
    <message>
        <source>The MP3 command line gives the switch %1 no value.</source>
        <translation>MP3 命令行未给开关 %1 提供值。</translation>
    </message>
    <message>
        <source>The MP3 encoder has no setting %1.</source>
        <translation>MP3 编码器没有设置 %1。</translation>
    </message>
    <message>
        <source>The MP3 %1 cannot be %2 (allowed: %3 to %4).</source>
        <translation>MP3 的 %1 不能为 %2（允许范围：%3 到 %4）。</translation>
    </message>
    <message>
        <source>The MP3 encoder could not be started.</source>
        <translation>无法启动 MP3 编码器。</translation>
    </message>
    <message>
        <source>The MP3 encoder refused these settings.</source>
        <translation>MP3 编码器拒绝了这些设置。</translation>
    </message>
    <message>
        <source>There is no MP3 preset %1 (1 to 11).</source>
        <translation>不存在 MP3 预设 %1（1 到 11）。</translation>
    </message>
    <message>
        <source>There is no alternative MP3 preset %1 (1 to 5).</source>
        <translation>不存在 MP3 备选预设 %1（1 到 5）。</translation>
    </message>
    <message>
        <source>The player cannot play %1 Hz with %2 channels.</source>
        <translation>播放器无法播放 %1 Hz、%2 个声道的声音。</translation>
    </message>
    <message>
        <source>A block must hold at least one frame, not %1.</source>
        <translation>数据块必须至少包含一帧，而不是 %1。</translation>
    </message>
    <message>
        <source>silent playback was asked for</source>
        <translation>请求了静音播放</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format (%2).</source>
        <translation>文件“%1”不是已知的音频格式（%2）。</translation>
    </message>
    <message>
        <source>Out of memory while opening the file.</source>
        <translation>打开文件时内存不足。</translation>
    </message>
    <message>
        <source>its channel layout is unreadable</source>
        <translation>其声道布局无法读取</translation>
    </message>
    <message>
        <source>This FFmpeg has no &quot;%1&quot; demuxer.</source>
        <translation>此 FFmpeg 没有“%1”解复用器。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its streams cannot be read.</source>
        <translation>文件“%1”已损坏：无法读取其中的流。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has no sound track.</source>
        <translation>文件“%1”没有音轨。</translation>
    </message>
    <message>
        <source>The sound of &quot;%1&quot; is in a format that cannot be decoded (%2).</source>
        <translation>“%1”的声音格式无法解码（%2）。</translation>
    </message>
    <message>
        <source>its sound cannot be decoded</source>
        <translation>其声音无法解码</translation>
    </message>
    <message>
        <source>no sound in it can be decoded</source>
        <translation>其中没有可解码的声音</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format (%2 Hz, %3 channels).</source>
        <translation>文件“%1”标明了不可能的格式（%2 Hz，%3 个声道）。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: %2.</source>
        <translation>文件“%1”已损坏：%2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: it holds no sound that can be decoded.</source>
        <translation>文件“%1”已损坏：其中没有可解码的声音。</translation>
    </message>
    <message>
        <source>The G.726 decoder cannot start.</source>
        <translation>无法启动 G.726 解码器。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be decoded: %2.</source>
        <translation>无法解码文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; states an impossible format.</source>
        <translation>文件“%1”标明了不可能的格式。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is cut short.</source>
        <translation>文件“%1”被截短。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has a damaged header.</source>
        <translation>文件“%1”的文件头已损坏。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds G.72x sound in %2 channels; only mono is read.</source>
        <translation>文件“%1”包含 %2 个声道的 G.72x 声音；只能读取单声道。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged: its format chunk (&quot;fmt &quot;) claims %2 bytes, more than the file holds (%3 bytes).</source>
        <translation>文件“%1”已损坏：其格式块（&quot;fmt &quot;）声明 %2 字节，超过文件本身的大小（%3 字节）。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a folder, not a sound file.</source>
        <translation>“%1”是文件夹，不是音频文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a pipe, socket or device).</source>
        <translation>“%1”不是普通文件（而是管道、套接字或设备）。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound or video format.</source>
        <translation>文件“%1”不是已知的音频或视频格式。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is not in a known sound format.</source>
        <translation>文件“%1”不是已知的音频格式。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read as one Ogg Vorbis stream: %2.</source>
        <translation>无法将文件“%1”作为单个 Ogg Vorbis 流读取：%2。</translation>
    </message>
    <message>
        <source>No DSP WAV file is open for writing.</source>
        <translation>没有打开用于写入的 DSP WAV 文件。</translation>
    </message>
    <message>
        <source>The DSP WAV file &quot;%1&quot; would exceed the format&apos;s length limit.</source>
        <translation>DSP WAV 文件“%1”将超出该格式的长度上限。</translation>
    </message>
    <message>
        <source>No output file is open for writing</source>
        <translation>没有打开用于写入的输出文件</translation>
    </message>
    <message>
        <source>Unsupported input: %1 Hz, %2 channels</source>
        <translation>不支持的输入：%1 Hz，%2 个声道</translation>
    </message>
    <message>
        <source>Cannot read the sample file &quot;%1&quot;: %2</source>
        <translation>无法读取示例文件“%1”：%2</translation>
    </message>
    <message>
        <source>The sample file &quot;%1&quot; is not a PCM WAV file</source>
        <translation>示例文件“%1”不是 PCM WAV 文件</translation>
    </message>
    <message>
        <source>RAW output is written as signed 16-bit samples only (type %1, %2 bits requested)</source>
        <translation>RAW 输出只能写为 16 位有符号采样（请求的是类型 %1、%2 位）</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 失败：%2</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;: %2</source>
        <translation>无法写入“%1”：%2</translation>
    </message>
    <message>
        <source>Sample conversion failed: %1</source>
        <translation>采样转换失败：%1</translation>
    </message>
    <message>
        <source>Invalid input description: %1 Hz, %2 channels</source>
        <translation>无效的输入描述：%1 Hz，%2 个声道</translation>
    </message>
    <message>
        <source>A block of %1 values does not hold whole frames of %2 channels</source>
        <translation>%1 个值的数据块不能构成完整的 %2 声道帧</translation>
    </message>
    <message>
        <source>Dither failed: %1</source>
        <translation>抖动处理失败：%1</translation>
    </message>
    <message>
        <source>setting refused (%1)</source>
        <translation>设置被拒绝（%1）</translation>
    </message>
    <message>
        <source>This output format has no writer</source>
        <translation>此输出格式没有写入器</translation>
    </message>
</context>
<context>
    <name>ConversionListPanel</name>
    <message>
        <source>Drag audio files from folder and drop here</source>
        <translation>将音频文件从文件夹拖放到此处</translation>
    </message>
    <message>
        <source>Adding files: %v of %m</source>
        <translation>正在添加文件：%v / %m</translation>
    </message>
    <message>
        <source>Adding files</source>
        <translation>正在添加文件</translation>
    </message>
    <message>
        <source>Conversion list</source>
        <translation>转换列表</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>无法打开文件“%1”。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>Conversion is finished</source>
        <translation>转换完成</translation>
    </message>
    <message>
        <source>Conversion is finished, some outputs were not made</source>
        <translation>转换完成，部分输出未生成</translation>
    </message>
    <message>
        <source>1 output made</source>
        <translation>已生成 1 个输出</translation>
    </message>
    <message numerus="yes">
        <source>%n outputs made</source>
        <translation>
            <numerusform>已生成 %n 个输出</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2 not made.</source>
        <translation>%1，%2 个未生成。</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>打开输出文件夹</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>包含：</translation>
    </message>
    <message>
        <source>Size of files:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>修改时间：</translation>
    </message>
    <message numerus="yes">
        <source>%n file</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder</source>
        <translation>
            <numerusform>%n 个文件夹</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n 个文件夹</numerusform>
        </translation>
    </message>
    <message>
        <source>%1, %2</source>
        <extracomment>Joins the number of files and the number of folders a folder holds.</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <source>Output Format   </source>
        <translation>输出格式   </translation>
    </message>
</context>
<context>
    <name>FormatOptionsPane</name>
    <message>
        <source>Common Format</source>
        <translation>常用格式</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Other Format</source>
        <translation>其他格式</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>FLAC, ALAC, AAC and Opus</source>
        <translation>FLAC、ALAC、AAC 和 Opus</translation>
    </message>
    <message>
        <source>Channels: Keep (up to 7.1), Stereo or Mono</source>
        <translation>声道：保持原样（最多 7.1）、立体声或单声道</translation>
    </message>
    <message>
        <source>Adjust Volume</source>
        <translation>调整音量</translation>
    </message>
    <message>
        <source>No Change</source>
        <translation>不变</translation>
    </message>
    <message>
        <source>Change As</source>
        <translation>调整为</translation>
    </message>
    <message>
        <source>G.723 bits</source>
        <translation>G.723 位数</translation>
    </message>
    <message>
        <source>G.726 bits</source>
        <translation>G.726 位数</translation>
    </message>
    <message>
        <source>FLAC level</source>
        <translation>FLAC 级别</translation>
    </message>
    <message>
        <source>AAC bit rate</source>
        <translation>AAC 比特率</translation>
    </message>
    <message>
        <source>Opus bit rate</source>
        <translation>Opus 比特率</translation>
    </message>
    <message>
        <source>Opus content</source>
        <translation>Opus 内容类型</translation>
    </message>
    <message>
        <source>FLAC channels</source>
        <translation>FLAC 声道</translation>
    </message>
    <message>
        <source>ALAC channels</source>
        <translation>ALAC 声道</translation>
    </message>
    <message>
        <source>AAC channels</source>
        <translation>AAC 声道</translation>
    </message>
    <message>
        <source>Opus channels</source>
        <translation>Opus 声道</translation>
    </message>
    <message>
        <source>Set the %1 format</source>
        <translation>设置 %1 格式</translation>
    </message>
    <message>
        <source>Change As %</source>
        <translation>调整为 %</translation>
    </message>
</context>
<context>
    <name>Formats</name>
    <message>
        <source>Keep</source>
        <translation>保持</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Current nominal bitrate: %1 kbit</source>
        <translation>当前标称比特率：%1 kbit</translation>
    </message>
    <message>
        <source>Current min bitrate: %1 kbit</source>
        <translation>当前最小比特率：%1 kbit</translation>
    </message>
    <message>
        <source>Current max bitrate: %1 kbit</source>
        <translation>当前最大比特率：%1 kbit</translation>
    </message>
    <message>
        <source>3 bit</source>
        <translation>3 位</translation>
    </message>
    <message>
        <source>5 bit</source>
        <translation>5 位</translation>
    </message>
    <message>
        <source>2 bit</source>
        <translation>2 位</translation>
    </message>
    <message>
        <source>4 bit</source>
        <translation>4 位</translation>
    </message>
    <message>
        <source>%1 kbit/s</source>
        <translation>%1 kbit/s</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>音乐</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>语音</translation>
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
        <translation>无</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>旧</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新</translation>
    </message>
    <message>
        <source>default</source>
        <translation>默认</translation>
    </message>
    <message>
        <source>only</source>
        <translation>仅</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>only for short blocks</source>
        <translation>仅用于短块</translation>
    </message>
    <message>
        <source>0/15 microseconds</source>
        <translation>0/15 微秒</translation>
    </message>
    <message>
        <source>Incorrect format</source>
        <translation>格式不正确</translation>
    </message>
    <message>
        <source>Current bitrate: %1 kbit</source>
        <translation>当前比特率：%1 kbit</translation>
    </message>
</context>
<context>
    <name>Library</name>
    <message>
        <source>%1 is not a usable cue sheet: it lists no tracks.</source>
        <translation>%1 不是可用的 CUE 表：其中没有列出音轨。</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1，第 %2 行：%3</translation>
    </message>
    <message>
        <source>FILE names no file.</source>
        <translation>FILE 未指定文件。</translation>
    </message>
    <message>
        <source>a sheet kept inside a file can describe only that file, but this one names a second.</source>
        <translation>内嵌于文件中的 CUE 表只能描述该文件本身，但此表还指定了另一个文件。</translation>
    </message>
    <message>
        <source>TRACK comes before any FILE line.</source>
        <translation>TRACK 出现在所有 FILE 行之前。</translation>
    </message>
    <message>
        <source>“%1” is no track number (1 to 99).</source>
        <translation>“%1”不是音轨号（1 到 99）。</translation>
    </message>
    <message>
        <source>a sheet holds at most 99 tracks.</source>
        <translation>CUE 表最多包含 99 条音轨。</translation>
    </message>
    <message>
        <source>“%1” is no time (minutes:seconds:frames).</source>
        <translation>“%1”不是时间（应为 分:秒:帧）。</translation>
    </message>
    <message>
        <source>INDEX comes before any TRACK line.</source>
        <translation>INDEX 出现在所有 TRACK 行之前。</translation>
    </message>
    <message>
        <source>“%1” is no index (a number and a time).</source>
        <translation>“%1”不是索引（应为编号和时间）。</translation>
    </message>
    <message>
        <source>INDEX 00 is out of order in track %1.</source>
        <translation>音轨 %1 中的 INDEX 00 顺序错误。</translation>
    </message>
    <message>
        <source>INDEX 00 of track %1 lies before the start of the track before it.</source>
        <translation>音轨 %1 的 INDEX 00 早于前一音轨的开始。</translation>
    </message>
    <message>
        <source>track %1 has INDEX 01 twice.</source>
        <translation>音轨 %1 有两个 INDEX 01。</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 lies before its INDEX 00.</source>
        <translation>音轨 %1 的 INDEX 01 早于其 INDEX 00。</translation>
    </message>
    <message>
        <source>INDEX 01 of track %1 does not come after the start of the track before it.</source>
        <translation>音轨 %1 的 INDEX 01 未晚于前一音轨的开始。</translation>
    </message>
    <message>
        <source>INDEX %1 of track %2 comes before its INDEX 01.</source>
        <translation>音轨 %2 的 INDEX %1 位于其 INDEX 01 之前。</translation>
    </message>
    <message>
        <source>track %1 has no INDEX 01 (checked up to line %2).</source>
        <translation>音轨 %1 没有 INDEX 01（已检查到第 %2 行）。</translation>
    </message>
    <message>
        <source>%1, line %2: the image “%3” cannot be read, and there is no readable audio file of that name beside the sheet.</source>
        <translation>%1，第 %2 行：无法读取映像“%3”，且 CUE 表旁边也没有可读取的同名音频文件。</translation>
    </message>
    <message>
        <source>%1 is not a cue sheet: it is %2 bytes long.</source>
        <translation>%1 不是 CUE 表：其长度为 %2 字节。</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 is %2 bytes long; it cannot be one.</source>
        <translation>%1 内的 CUE 表长度为 %2 字节；不可能是 CUE 表。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 gives track %2 no start (INDEX 01).</source>
        <translation>%1 内的 CUE 表未给出音轨 %2 的起点（INDEX 01）。</translation>
    </message>
    <message>
        <source>The cue sheet inside %1 starts track %2 before the end of the track before it.</source>
        <translation>%1 内的 CUE 表中，音轨 %2 在前一音轨结束前就开始了。</translation>
    </message>
    <message>
        <source>Out of memory while reading %1.</source>
        <translation>读取 %1 时内存不足。</translation>
    </message>
</context>
<context>
    <name>List</name>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Full Name</source>
        <translation>完整路径</translation>
    </message>
    <message>
        <source>(Video) </source>
        <translation>（视频）</translation>
    </message>
    <message>
        <source>(Audio) </source>
        <translation>（音频）</translation>
    </message>
    <message>
        <source>%1: the image “%2” cannot be read, so its tracks are not listed.</source>
        <translation>%1：无法读取映像“%2”，因此未列出其音轨。</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Control Panel</source>
        <translation>控制面板</translation>
    </message>
    <message>
        <source>Audio File Info Editor</source>
        <translation>音频文件信息编辑器</translation>
    </message>
    <message>
        <source>Output Format Options Panel</source>
        <translation>输出格式选项面板</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <source>Email Support</source>
        <translation>邮件支持</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Audio File Info</source>
        <translation>音频文件信息</translation>
    </message>
    <message>
        <source>Mirror a Folder…</source>
        <translation>镜像文件夹…</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Invalid Audio Format!</source>
        <translation>无效的音频格式！</translation>
    </message>
    <message>
        <source>Invalid Vidio Format!</source>
        <translation>无效的视频格式！</translation>
    </message>
    <message>
        <source>Please choose the output format!</source>
        <translation>请选择输出格式！</translation>
    </message>
    <message>
        <source>Select an output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Can not find out the source file:</source>
        <translation>找不到源文件：</translation>
    </message>
    <message>
        <source>The source cannot be opened (error %1).</source>
        <translation>无法打开源文件（错误 %1）。</translation>
    </message>
    <message>
        <source>The source reports %1 Hz and %2 channels.</source>
        <translation>源文件报告 %1 Hz、%2 个声道。</translation>
    </message>
    <message>
        <source>The conversion failed.</source>
        <translation>转换失败。</translation>
    </message>
    <message>
        <source>Total %1%</source>
        <translation>总进度 %1%</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>文件“%1”不存在。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read.</source>
        <translation>无法读取文件“%1”。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: %2.</source>
        <translation>无法读取文件“%1”：%2。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; cannot be read: access denied.</source>
        <translation>无法读取文件“%1”：拒绝访问。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is empty.</source>
        <translation>文件“%1”为空。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds no sound.</source>
        <translation>文件“%1”不含声音。</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; has %2 sound tracks; there is no sound track %3.</source>
        <translation>文件“%1”有 %2 条音轨；不存在第 %3 条音轨。</translation>
    </message>
    <message>
        <source>loudness is measured on the sound track the file plays by default, not on the one chosen</source>
        <translation>响度是按文件默认播放的音轨测量的，而非所选音轨</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is damaged; its tags cannot be written.</source>
        <translation>文件“%1”已损坏；无法写入其标签。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file.</source>
        <translation>“%1”不是普通文件。</translation>
    </message>
    <message>
        <source>Cannot create &quot;%1&quot;: %2</source>
        <translation>无法创建“%1”：%2</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>cannot make an encoder</source>
        <translation>无法创建编码器</translation>
    </message>
    <message>
        <source>Invalid Output Folder Name!</source>
        <translation>无效的输出文件夹名称！</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>立体声</translation>
    </message>
    <message>
        <source>An unknown error occurred.</source>
        <translation>发生未知错误。</translation>
    </message>
    <message>
        <source>Total %1%, paused</source>
        <translation>总进度 %1%，已暂停</translation>
    </message>
    <message>
        <source>A conversion is running. Cancel it and exit?</source>
        <translation>正在进行转换。要取消转换并退出吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is being converted. Its tags can be edited once its outputs are done.</source>
        <translation>“%1”正在转换。其输出完成后才能编辑标签。</translation>
    </message>
    <message>
        <source>Every checked file is in the running conversion already. Check the files to add to it.</source>
        <translation>所有勾选的文件都已在当前转换中。请勾选要添加的文件。</translation>
    </message>
    <message>
        <source>The running conversion is ending. Press Convert again once it has finished.</source>
        <translation>当前转换即将结束。结束后请再次点击“转换”。</translation>
    </message>
    <message>
        <source>A conversion is running. Mirror the folder once it has finished.</source>
        <translation>正在进行转换。请在转换完成后再镜像文件夹。</translation>
    </message>
</context>
<context>
    <name>MirrorDialog</name>
    <message>
        <source>Mirror a Folder</source>
        <translation>镜像文件夹</translation>
    </message>
    <message>
        <source>&amp;Source folder:</source>
        <translation>源文件夹(&amp;S)：</translation>
    </message>
    <message>
        <source>Source folder</source>
        <translation>源文件夹</translation>
    </message>
    <message>
        <source>Browse for the source folder</source>
        <translation>浏览源文件夹</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Destination folder:</source>
        <translation>目标文件夹(&amp;D)：</translation>
    </message>
    <message>
        <source>Destination folder</source>
        <translation>目标文件夹</translation>
    </message>
    <message>
        <source>Browse for the destination folder</source>
        <translation>浏览目标文件夹</translation>
    </message>
    <message>
        <source>Bro&amp;wse…</source>
        <translation>浏览(&amp;W)…</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>&amp;Profile:</source>
        <translation>配置方案(&amp;P)：</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <source>&amp;Lossy sources:</source>
        <translation>有损源文件(&amp;L)：</translation>
    </message>
    <message>
        <source>Lossy sources</source>
        <translation>有损源文件</translation>
    </message>
    <message>
        <source>Copy them as they are</source>
        <translation>按原样复制</translation>
    </message>
    <message>
        <source>Convert them</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>S&amp;ide files:</source>
        <translation>附带文件(&amp;I)：</translation>
    </message>
    <message>
        <source>Side files</source>
        <translation>附带文件</translation>
    </message>
    <message>
        <source>File name patterns copied beside the outputs, separated by blanks; &quot;none&quot; copies none</source>
        <translation>与输出一同复制的文件名模式，以空格分隔；“none”表示不复制</translation>
    </message>
    <message>
        <source>&amp;Names:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>As they are (Linux and macOS disks)</source>
        <translation>保持原样（Linux 和 macOS 磁盘）</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards</source>
        <translation>适用于 FAT 和 exFAT 存储卡</translation>
    </message>
    <message>
        <source>Valid on FAT and exFAT cards, ASCII letters only</source>
        <translation>适用于 FAT 和 exFAT 存储卡，仅限 ASCII 字母</translation>
    </message>
    <message>
        <source>&amp;Jobs:</source>
        <translation>任务数(&amp;J)：</translation>
    </message>
    <message>
        <source>Jobs</source>
        <translation>任务数</translation>
    </message>
    <message>
        <source>How many outputs are converted at once</source>
        <translation>同时转换的输出数量</translation>
    </message>
    <message>
        <source>P&amp;rune outputs whose source is gone</source>
        <translation>删除源文件已不存在的输出(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep each source&apos;s modification time</source>
        <translation>保留每个源文件的修改时间(&amp;K)</translation>
    </message>
    <message>
        <source>(none: the current settings)</source>
        <translation>（无：当前设置）</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select the folder to mirror</source>
        <translation>选择要镜像的文件夹</translation>
    </message>
    <message>
        <source>Select the folder to mirror into</source>
        <translation>选择镜像的目标文件夹</translation>
    </message>
    <message>
        <source>Prune outputs whose source is gone</source>
        <translation>删除源文件已不存在的输出</translation>
    </message>
    <message>
        <source>Keep each source&apos;s modification time</source>
        <translation>保留每个源文件的修改时间</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <source>Set MP3 Format</source>
        <translation>设置 MP3 格式</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <source>Encoder Quality</source>
        <translation>编码质量</translation>
    </message>
    <message>
        <source>better</source>
        <translation>更好</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>更快</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>Filtering</source>
        <translation>滤波</translation>
    </message>
    <message>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>高通滤波频率 (Hz)：</translation>
    </message>
    <message>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>高通滤波器宽度 (Hz)：</translation>
    </message>
    <message>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>低通滤波频率 (Hz)：</translation>
    </message>
    <message>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>低通滤波器宽度 (Hz)：</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Coding Method:</source>
        <translation>编码方式：</translation>
    </message>
    <message>
        <source>VBR Quality:</source>
        <translation>VBR 质量：</translation>
    </message>
    <message>
        <source>Targed bitrate for ABR:</source>
        <translation>ABR 目标比特率：</translation>
    </message>
    <message>
        <source>Maximum VBR Bitrate</source>
        <translation>VBR 最大比特率</translation>
    </message>
    <message>
        <source>Current bitrate: 128 kbit</source>
        <translation>当前比特率：128 kbit</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <source>Write VBR Header</source>
        <translation>写入 VBR 头</translation>
    </message>
    <message>
        <source>Strictly enforce minimum bitrate</source>
        <translation>严格执行最小比特率</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <source>include CRC -Checksums</source>
        <translation>包含 CRC 校验和</translation>
    </message>
    <message>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>尽可能遵循 ISO MPEG 规范</translation>
    </message>
    <message>
        <source>allow block types to differ between channels</source>
        <translation>允许各声道使用不同的块类型</translation>
    </message>
    <message>
        <source>short blocks</source>
        <translation>短块</translation>
    </message>
    <message>
        <source>bit reservoir</source>
        <translation>比特池</translation>
    </message>
    <message>
        <source>ATH Control:</source>
        <translation>ATH 控制：</translation>
    </message>
    <message>
        <source>De-emphasis :</source>
        <translation>去加重：</translation>
    </message>
    <message>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <source>Alt-Preset</source>
        <translation>备选预设</translation>
    </message>
    <message>
        <source>Command Line</source>
        <translation>命令行</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <source>Set OGG Format</source>
        <translation>设置 OGG 格式</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <source>VBR Enabled</source>
        <translation>启用 VBR</translation>
    </message>
    <message>
        <source>Quality Enabled</source>
        <translation>启用质量模式</translation>
    </message>
    <message>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <source>Min Bitrate</source>
        <translation>最小比特率</translation>
    </message>
    <message>
        <source>Max Bitrate</source>
        <translation>最大比特率</translation>
    </message>
    <message>
        <source>Quality (Compression)</source>
        <translation>质量（压缩）</translation>
    </message>
    <message>
        <source>better</source>
        <translation>更好</translation>
    </message>
    <message>
        <source>faster</source>
        <translation>更快</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Default Output Folder</source>
        <translation>默认输出文件夹</translation>
    </message>
    <message>
        <source>If the output folder setting is empty, the output files will be converted into the same source folder.</source>
        <translation>如果未设置输出文件夹，输出文件将保存到源文件所在的文件夹。</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Check the items automatically when add files</source>
        <translation>添加文件时自动勾选</translation>
    </message>
    <message>
        <source>Open the output folder after conversion</source>
        <translation>转换完成后打开输出文件夹</translation>
    </message>
    <message>
        <source>Copy the audio file info automatically</source>
        <translation>自动复制音频文件信息</translation>
    </message>
    <message>
        <source>Batch</source>
        <translation>批处理</translation>
    </message>
    <message>
        <source>Convert up to N files at once</source>
        <translation>最多同时转换 N 个文件</translation>
    </message>
    <message>
        <source>Even out loudness</source>
        <translation>均衡响度</translation>
    </message>
    <message>
        <source>Check every output after it is written</source>
        <translation>写入后检查每个输出文件</translation>
    </message>
    <message>
        <source>Write ReplayGain tags</source>
        <translation>写入 ReplayGain 标签</translation>
    </message>
    <message>
        <source>Include the hidden track before track 1 of a CD image</source>
        <translation>包含 CD 映像中音轨 1 之前的隐藏音轨</translation>
    </message>
    <message>
        <source>Sound a CD image holds before its first track becomes a track of its own, numbered 0</source>
        <translation>CD 映像中第一个音轨之前的声音将成为单独的音轨，编号为 0</translation>
    </message>
    <message>
        <source>When an output file exists</source>
        <translation>输出文件已存在时</translation>
    </message>
    <message>
        <source>Replace it</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Save under a new name</source>
        <translation>以新名称保存</translation>
    </message>
    <message>
        <source>Skip the output</source>
        <translation>跳过此输出</translation>
    </message>
    <message>
        <source>Sound track languages</source>
        <translation>音轨语言</translation>
    </message>
    <message>
        <source>Of a file with several sound tracks, convert the one in the first of these languages it has; otherwise the one it plays by default</source>
        <translation>对于包含多条音轨的文件，转换其中第一个符合所列语言的音轨；若没有，则转换默认播放的音轨</translation>
    </message>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Save the state of the lastest operation</source>
        <translation>保存上次操作的状态</translation>
    </message>
    <message>
        <source>This option will store the operation state (like current folder, Output Format selection) of the lastest operation.</source>
        <translation>此选项将保存上次操作的状态（如当前文件夹、输出格式选择）。</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>系统默认</translation>
    </message>
    <message>
        <source>A new language is shown from the next start of the program.</source>
        <translation>新语言将在下次启动程序时生效。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select an default output folder</source>
        <translation>选择默认输出文件夹</translation>
    </message>
    <message>
        <source>Sound track languages: %1.</source>
        <translation>音轨语言：%1。</translation>
    </message>
    <message>
        <source>Notify the desktop when a long conversion ends</source>
        <translation>长时间转换结束时发送桌面通知</translation>
    </message>
    <message>
        <source>After a batch of more than a few seconds the desktop shows how many outputs were made, with a button that opens the output folder</source>
        <translation>批处理超过数秒时，桌面会显示生成了多少个输出，并提供打开输出文件夹的按钮</translation>
    </message>
</context>
<context>
    <name>Player</name>
    <message>
        <source>Con not play video files!</source>
        <translation>无法播放视频文件！</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <source>Play   </source>
        <translation>播放   </translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>已保存的配置方案；选中后将按其内容设置相应控件</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Save the current settings as a profile</source>
        <translation>将当前设置保存为配置方案</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the chosen profile</source>
        <translation>删除所选配置方案</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>(current settings)</source>
        <translation>（当前设置）</translation>
    </message>
    <message>
        <source>Save Profile</source>
        <translation>保存配置方案</translation>
    </message>
    <message>
        <source>Delete Profile</source>
        <translation>删除配置方案</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <source>The profile &quot;%1&quot; holds settings this version does not know; they were left out:
%2</source>
        <translation>配置方案“%1”包含此版本无法识别的设置，已将其忽略：
%2</translation>
    </message>
    <message>
        <source>The window has no control for these settings of the profile &quot;%1&quot;; the window&apos;s own are kept:
%2</source>
        <translation>窗口中没有与配置方案“%1”的以下设置对应的控件；保留窗口自身的设置：
%2</translation>
    </message>
    <message>
        <source>Profile name:</source>
        <translation>配置方案名称：</translation>
    </message>
    <message>
        <source>A profile named &quot;%1&quot; already exists. Replace it?</source>
        <translation>名为“%1”的配置方案已存在。要替换吗？</translation>
    </message>
    <message>
        <source>Delete the profile &quot;%1&quot;?</source>
        <translation>删除配置方案“%1”？</translation>
    </message>
    <message>
        <source>the tree root %1</source>
        <translation>目录树根 %1</translation>
    </message>
    <message>
        <source>the name template</source>
        <translation>名称模板</translation>
    </message>
    <message>
        <source>the loudness target %1 LUFS</source>
        <translation>目标响度 %1 LUFS</translation>
    </message>
    <message>
        <source>the MP3 preset %1</source>
        <translation>MP3 预设 %1</translation>
    </message>
    <message>
        <source>the MP3 alternative preset %1</source>
        <translation>MP3 备选预设 %1</translation>
    </message>
    <message>
        <source>the LAME switches %1</source>
        <translation>LAME 开关 %1</translation>
    </message>
    <message>
        <source>the MP3 rate and channels taken from the panel</source>
        <translation>取自面板的 MP3 采样率和声道</translation>
    </message>
    <message>
        <source>the Ogg Vorbis setting (a bit rate or quality the dialog does not offer)</source>
        <translation>Ogg Vorbis 设置（对话框中没有的比特率或质量）</translation>
    </message>
    <message>
        <source>the panel&apos;s %1 Hz, %2 channels</source>
        <translation>面板的 %1 Hz、%2 个声道</translation>
    </message>
    <message>
        <source>the PCM WAV format %1 Hz, %2 channels, %3 bits</source>
        <translation>PCM WAV 格式 %1 Hz、%2 个声道、%3 位</translation>
    </message>
    <message>
        <source>the WMA profile %1</source>
        <translation>WMA 配置 %1</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <source>Convert From</source>
        <translation>转换自</translation>
    </message>
    <message>
        <source>Converting from</source>
        <translation>正在转换的源文件</translation>
    </message>
    <message>
        <source>Convert To</source>
        <translation>转换为</translation>
    </message>
    <message>
        <source>Converting to</source>
        <translation>正在生成的输出文件</translation>
    </message>
    <message>
        <source>Running outputs</source>
        <translation>正在生成的输出</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>处理进度</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>总进度</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Checking %1%</source>
        <translation>正在检查 %1%</translation>
    </message>
    <message>
        <source>Processing %1%</source>
        <translation>处理进度 %1%</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Cancel This Output</source>
        <translation>取消此输出</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as deu or eng</source>
        <translation>“%1”不是 deu 或 eng 这样的语言代码</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <source>Up One Level</source>
        <translation>向上一级</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Large Icons</source>
        <translation>大图标</translation>
    </message>
    <message>
        <source>Small Icons</source>
        <translation>小图标</translation>
    </message>
    <message>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Lar&amp;ge icons</source>
        <translation>大图标(&amp;G)</translation>
    </message>
    <message>
        <source>S&amp;mall icons</source>
        <translation>小图标(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>列表(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>详细信息(&amp;D)</translation>
    </message>
    <message>
        <source>P&amp;aste</source>
        <translation>粘贴(&amp;A)</translation>
    </message>
    <message>
        <source>Ne&amp;w</source>
        <translation>新建(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>文件夹(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Properties</source>
        <translation>属性(&amp;P)</translation>
    </message>
    <message>
        <source>Are you sure you want to move &quot;%1&quot; to the trash?</source>
        <translation>确定要将“%1”移到回收站吗？</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to move these %n items to the trash?</source>
        <translation>
            <numerusform>确定要将这 %n 个项目移到回收站吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Confirm Delete</source>
        <translation>确认删除</translation>
    </message>
    <message>
        <source>Could not move to the trash:
%1</source>
        <translation>无法移到回收站：
%1</translation>
    </message>
    <message>
        <source>Confirm File Replace</source>
        <translation>确认替换文件</translation>
    </message>
    <message>
        <source>This folder already contains &quot;%1&quot;.
Do you want to replace it?</source>
        <translation>此文件夹中已存在“%1”。
要替换它吗？</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Could not paste:
%1</source>
        <translation>无法粘贴：
%1</translation>
    </message>
    <message>
        <source>Could not create a folder in %1.</source>
        <translation>无法在 %1 中创建文件夹。</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>除了声音之外，音频文件还可以携带有关它的信息：标题、艺术家、专辑等，媒体播放器在播放时会显示这些信息。这些信息保存在文件内部，而不是文件名。</translation>
    </message>
    <message>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>在 MPEG 音频文件（MP3、MP2）中，这些信息称为 ID3 标签。它有两个版本：ID3v1 和 ID3v2；其中 ID3v2 使用最为广泛。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>音频文件信息编辑器</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Track:</source>
        <translation>音轨：</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <source>Comment:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Mpeg Files Tag Version</source>
        <translation>MPEG 文件标签版本</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; What is audio file info?&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; 什么是音频文件信息？&lt;/a&gt;</translation>
    </message>
    <message>
        <source> What is audio file info?</source>
        <translation> 什么是音频文件信息？</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Tags</name>
    <message>
        <source>Audio File Info Editor</source>
        <translation>音频文件信息编辑器</translation>
    </message>
    <message>
        <source>The ID3v2 tag of this file holds more than an ID3v1 tag can keep (such as pictures, long texts or further fields). Storing the information as ID3v1 removes the ID3v2 tag and all of that with it.

Remove the ID3v2 tag and store the information as ID3v1?</source>
        <translation>此文件的 ID3v2 标签包含 ID3v1 标签无法保存的内容（如图片、长文本或其他字段）。以 ID3v1 保存信息将删除 ID3v2 标签及其中的全部内容。

删除 ID3v2 标签并以 ID3v1 保存信息吗？</translation>
    </message>
    <message>
        <source>This file also ends with an ID3v1 tag, which holds information that the ID3v2 tag will not hold.

Remove the ID3v1 tag? Choose No to keep it beside the ID3v2 tag.</source>
        <translation>此文件末尾还有一个 ID3v1 标签，其中的信息不会保存在 ID3v2 标签中。

删除 ID3v1 标签吗？选择“否”可将其与 ID3v2 标签一同保留。</translation>
    </message>
    <message>
        <source>Invalid Track Value!</source>
        <translation>无效的音轨号！</translation>
    </message>
    <message>
        <source>Invalid Year Value!</source>
        <translation>无效的年份！</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <source>Set WAV Format</source>
        <translation>设置 WAV 格式</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <source>Bitrate</source>
        <translation>位深</translation>
    </message>
    <message>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>如果不确定需要哪种格式，可以按示例文件设置格式。</translation>
    </message>
    <message>
        <source>Set Format As Sample File</source>
        <translation>按示例文件设置格式</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Set Format Like Sample</source>
        <translation>按示例设置格式</translation>
    </message>
</context>
</TS>
