<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ConversionListPanel</name>
    <message>
        <location filename="../src/gui/list/ConversionListPanel.ui" line="21"/>
        <source>Drag audio files from folder and drop here</source>
        <translation>将音频文件从文件夹拖放到此处</translation>
    </message>
</context>
<context>
    <name>ConvertGroup</name>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="6"/>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="65"/>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="30"/>
        <source>Output Folder</source>
        <translation>输出文件夹</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="40"/>
        <source>Select an output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="43"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ConvertGroup.ui" line="62"/>
        <source>Write</source>
        <translation>写入</translation>
    </message>
</context>
<context>
    <name>FolderProperties</name>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="6"/>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="14"/>
        <source>Name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="28"/>
        <source>Location:</source>
        <translation>位置：</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="42"/>
        <source>Contains:</source>
        <translation>包含：</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="52"/>
        <source>Size of files:</source>
        <translation>文件大小：</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/FolderProperties.ui" line="62"/>
        <source>Modified:</source>
        <translation>修改时间：</translation>
    </message>
</context>
<context>
    <name>FormatBoxes</name>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="6"/>
        <source>Output Format   </source>
        <translation>输出格式   </translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatBoxes.ui" line="42"/>
        <source>PCM (Standard WAV)</source>
        <translation>PCM (标准 WAV)</translation>
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
        <translation>ADPCM (压缩 WAV )</translation>
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
        <translation>常用格式</translation>
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
        <translation>设置</translation>
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
        <translation>其他格式</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="226"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
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
        <translation>声道</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="351"/>
        <source>Mono</source>
        <translation>单声道</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="358"/>
        <source>Stereo</source>
        <translation>立体声</translation>
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
        <translation>FLAC、ALAC、AAC 和 Opus</translation>
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
        <translation>声道：保持原样（最多 7.1）、立体声或单声道</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="635"/>
        <source>Adjust Volume</source>
        <translation>调整音量</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="668"/>
        <source>No Change</source>
        <translation>不变</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/FormatOptionsPane.ui" line="678"/>
        <source>Change As</source>
        <translation>调整为</translation>
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
        <translation>控制面板</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="138"/>
        <location filename="../src/gui/main/MainWindow.ui" line="241"/>
        <source>Audio File Info Editor</source>
        <translation>音频文件信息编辑器</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="145"/>
        <location filename="../src/gui/main/MainWindow.ui" line="233"/>
        <source>Output Format Options Panel</source>
        <translation>输出格式选项面板</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="168"/>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="180"/>
        <source>&amp;Action</source>
        <translation>操作(&amp;A)</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="189"/>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="202"/>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="205"/>
        <source>Ctrl+A</source>
        <translation>Ctrl+A</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="210"/>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="213"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="218"/>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="223"/>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="228"/>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="244"/>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="249"/>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="252"/>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="257"/>
        <source>Help Contents</source>
        <translation>帮助内容</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="262"/>
        <source>Email Support</source>
        <translation>邮件支持</translation>
    </message>
    <message>
        <location filename="../src/gui/main/MainWindow.ui" line="267"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
</context>
<context>
    <name>Mp3OptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="14"/>
        <source>Set MP3 Format</source>
        <translation>设置 MP3 格式</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="26"/>
        <source>Pages</source>
        <translation>页面</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="36"/>
        <source>General</source>
        <translation>常规</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="42"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="48"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="58"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="64"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="74"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="95"/>
        <source>Encoder Quality</source>
        <translation>编码质量</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="102"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="147"/>
        <source>better</source>
        <translation>更好</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="109"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="154"/>
        <source>faster</source>
        <translation>更快</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="119"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="140"/>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="165"/>
        <source>Filtering</source>
        <translation>滤波</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="171"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="174"/>
        <source>Highpass filtering frequency (in Hz):</source>
        <translation>高通滤波频率 (Hz)：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="191"/>
        <source>Width of Highpass filter (in Hz):</source>
        <translation>高通滤波器宽度 (Hz)：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="211"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="214"/>
        <source>Lowpass filtering frequency (in Hz):</source>
        <translation>低通滤波频率 (Hz)：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="231"/>
        <source>Width of Lowpass filter (in Hz):</source>
        <translation>低通滤波器宽度 (Hz)：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="259"/>
        <source>VBR</source>
        <translation>VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="265"/>
        <source>Coding Method:</source>
        <translation>编码方式：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="278"/>
        <source>VBR Quality:</source>
        <translation>VBR 质量：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="298"/>
        <source>Targed bitrate for ABR:</source>
        <translation>ABR 目标比特率：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="318"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="349"/>
        <source>Maximum VBR Bitrate</source>
        <translation>VBR 最大比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="327"/>
        <source>Current bitrate: 128 kbit</source>
        <translation>当前比特率：128 kbit</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="359"/>
        <source>Advanced</source>
        <translation>高级</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="368"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="371"/>
        <source>Write VBR Header</source>
        <translation>写入 VBR 头</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="378"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="381"/>
        <source>Strictly enforce minimum bitrate</source>
        <translation>严格执行最小比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="392"/>
        <source>Expert</source>
        <translation>专家</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="398"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="401"/>
        <source>include CRC -Checksums</source>
        <translation>包含 CRC 校验和</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="408"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="411"/>
        <source>comply as much as possible to ISO MPEG spec</source>
        <translation>尽可能遵循 ISO MPEG 规范</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="418"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="421"/>
        <source>allow block types to differ between channels</source>
        <translation>允许各声道使用不同的块类型</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="428"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="431"/>
        <source>short blocks</source>
        <translation>短块</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="438"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="441"/>
        <source>bit reservoir</source>
        <translation>比特池</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="448"/>
        <source>ATH Control:</source>
        <translation>ATH 控制：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="461"/>
        <source>De-emphasis :</source>
        <translation>去加重：</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="475"/>
        <source>Presets</source>
        <translation>预设</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="484"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="487"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="500"/>
        <source>Preset</source>
        <translation>预设</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="508"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="511"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="524"/>
        <source>Alt-Preset</source>
        <translation>备选预设</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="533"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="539"/>
        <source>Command Line</source>
        <translation>命令行</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="559"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="562"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="572"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="575"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="585"/>
        <location filename="../src/gui/formats/Mp3OptionsDialog.ui" line="588"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>OggVorbisOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="6"/>
        <source>Set OGG Format</source>
        <translation>设置 OGG 格式</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="11"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="13"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="19"/>
        <source>Option</source>
        <translation>选项</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="22"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="23"/>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="24"/>
        <source>VBR Enabled</source>
        <translation>启用 VBR</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="25"/>
        <source>Quality Enabled</source>
        <translation>启用质量模式</translation>
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
        <translation>最小比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="34"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="35"/>
        <source>Max Bitrate</source>
        <translation>最大比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="41"/>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="44"/>
        <source>Quality (Compression)</source>
        <translation>质量（压缩）</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="45"/>
        <source>better</source>
        <translation>更好</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="46"/>
        <source>faster</source>
        <translation>更快</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="56"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="57"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/OggVorbisOptionsDialog.ui" line="58"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
<context>
    <name>PlayerBar</name>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="6"/>
        <source>Play   </source>
        <translation>播放   </translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="48"/>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="60"/>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="82"/>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="104"/>
        <source>Previous</source>
        <translation>上一个</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="126"/>
        <source>Next</source>
        <translation>下一个</translation>
    </message>
    <message>
        <location filename="../src/gui/player/PlayerBar.ui" line="160"/>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
</context>
<context>
    <name>ProfileBox</name>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="6"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="48"/>
        <source>Profile</source>
        <translation>配置方案</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="45"/>
        <source>The saved profiles; choosing one sets the controls it covers</source>
        <translation>已保存的配置方案；选中后将按其内容设置相应控件</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="60"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="63"/>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="66"/>
        <source>Save the current settings as a profile</source>
        <translation>将当前设置保存为配置方案</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="73"/>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="76"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../src/gui/profiles/ProfileBox.ui" line="79"/>
        <source>Delete the chosen profile</source>
        <translation>删除所选配置方案</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="6"/>
        <source>Convert</source>
        <translation>转换</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="19"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="20"/>
        <source>Convert From</source>
        <translation>转换自</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="28"/>
        <source>Converting from</source>
        <translation>正在转换的源文件</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="35"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="36"/>
        <source>Convert To</source>
        <translation>转换为</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="44"/>
        <source>Converting to</source>
        <translation>正在生成的输出文件</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="53"/>
        <source>Running outputs</source>
        <translation>正在生成的输出</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="59"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="60"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="71"/>
        <source>Processing</source>
        <translation>处理进度</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="77"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="78"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="93"/>
        <source>Total</source>
        <translation>总进度</translation>
    </message>
    <message>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="99"/>
        <location filename="../src/gui/batch/ProgressWindow.ui" line="101"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ShellBrowser</name>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="70"/>
        <source>Up One Level</source>
        <translation>向上一级</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="92"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="114"/>
        <source>Large Icons</source>
        <translation>大图标</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="142"/>
        <source>Small Icons</source>
        <translation>小图标</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="170"/>
        <source>List</source>
        <translation>列表</translation>
    </message>
    <message>
        <location filename="../src/gui/browser/ShellBrowser.ui" line="201"/>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>TagEditorHelpWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="8"/>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="23"/>
        <source>Besides the sound, an audio file can carry facts about it: the title, the artist, the album and the like, which media players show while they play it. These facts are stored inside the file itself; they are not the file&apos;s name.</source>
        <translation>除了声音之外，音频文件还可以携带有关它的信息：标题、艺术家、专辑等，媒体播放器在播放时会显示这些信息。这些信息保存在文件内部，而不是文件名。</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="31"/>
        <source>In MPEG audio files (MP3, MP2) this information is called an ID3 tag. It comes in two versions, ID3v1 and ID3v2; ID3v2 is the one most widely used.</source>
        <translation>在 MPEG 音频文件（MP3、MP2）中，这些信息称为 ID3 标签。它有两个版本：ID3v1 和 ID3v2；其中 ID3v2 使用最为广泛。</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorHelpWindow.ui" line="43"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TagEditorWindow</name>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="9"/>
        <source>Audio File Info Editor</source>
        <translation>音频文件信息编辑器</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="37"/>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title:</source>
        <translation>标题：</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track:</source>
        <translation>音轨：</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Track</source>
        <translation>音轨</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist:</source>
        <translation>艺术家：</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Artist</source>
        <translation>艺术家</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year:</source>
        <translation>年份：</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album:</source>
        <translation>专辑：</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Album</source>
        <translation>专辑</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Genre</source>
        <translation>流派</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment:</source>
        <translation>注释：</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="49"/>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="51"/>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="52"/>
        <source>Mpeg Files Tag Version</source>
        <translation>MPEG 文件标签版本</translation>
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
        <translation>&lt;a href=&quot;help&quot; style=&quot;color: palette(link)&quot;&gt; 什么是音频文件信息？&lt;/a&gt;</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="65"/>
        <source> What is audio file info?</source>
        <translation> 什么是音频文件信息？</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="72"/>
        <source>Reset</source>
        <translation>重置</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="74"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <location filename="../src/gui/tags/TagEditorWindow.ui" line="75"/>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>WavOptionsDialog</name>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="6"/>
        <source>Set WAV Format</source>
        <translation>设置 WAV 格式</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="15"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="16"/>
        <source>Frequency (Hz)</source>
        <translation>采样率 (Hz)</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="17"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="18"/>
        <source>Channels</source>
        <translation>声道</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="19"/>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="20"/>
        <source>Bitrate</source>
        <translation>比特率</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="28"/>
        <source>If you are not sure what format you want, you can set the format as a sample file.</source>
        <translation>如果不确定需要哪种格式，可以按示例文件设置格式。</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="29"/>
        <source>Set Format As Sample File</source>
        <translation>按示例文件设置格式</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="38"/>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="39"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location filename="../src/gui/formats/WavOptionsDialog.ui" line="40"/>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
</context>
</TS>
