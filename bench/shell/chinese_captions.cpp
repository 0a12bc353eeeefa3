#include "bench/shell/chinese_captions.h"

#include <QRadioButton>
#include <QWidget>

#include "bench/shell/control_text.h"

namespace shell {

namespace {

QWidget* Control(const QWidget& root, std::string_view name)
{
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return root.findChild<QWidget*>(text);
}

// The widget whose caption the entry is: the control, or its radio item.
QWidget* Target(const QWidget& root, const SwitchedCaption& entry)
{
    QWidget* control = Control(root, entry.control);
    if (!control || entry.item < 0) {
        return control;
    }
    const auto items = RadioItems(*control);
    return entry.item < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(entry.item)] : nullptr;
}

}  // namespace

const std::vector<SwitchedCaption>& SwitchedCaptions()
{
    static const std::vector<SwitchedCaption> table = {
        {"TabSheet_StringFile", -1, "变量测试"},
        {"TabSheet_Program2", -1, "节目切换2"},
        {"TabSheet_ProgramSelect", -1, "节目切换1"},
        {"TabSheet_Time", -1, "定时器与设置"},
        {"TabSheet_EasyPgm", -1, "OGIF节目"},
        {"LabelVarName", -1, "变量名称: "},
        {"LabelVarString", -1, "变量字符串: "},
        {"BtnCreateRom", -1, "发送变量"},
        {"GroupBoxInsertVar", -1, "插入点阵字符"},
        {"BtnInsertCharIndex", -1, "插入字符点阵"},
        {"RGVariableType", -1, "字符串变量类型: "},
        {"RGVariableType", 0, "VRAM: RAM变量 <16字节"},
        {"RGVariableType", 1, "VROM: FLASH变量 <32字节"},
        {"GroupBoxProgramSwitch", -1, " 节目运行选择 (PRAM)"},
        {"LabelProgramSwitch", -1, "选择运行节目顺序"},
        {"BtnSendProgramSwitch", -1, "PRAM:退出选择"},
        {"GroupBoxCommuPara", -1, "通讯参数"},
        {"LabelCommuMonitor", -1, "通讯窗口"},
        {"GroupBoxProtocol", -1, "协议数据窗口"},
        {"BtnCreatePlayList", -1, "按文件ID切换节目"},
        {"BtnCreatePlayList1", -1, "退出到普通节目"},
        {"Label2", -1, "节目组"},
        {"Label3", -1, "起始文件ID"},
        {"Label4", -1, "结束文件ID"},
        {"Label13", -1, "选择运行的节目文件 "},
        {"GroupBox11", -1, "第2级. PRAM (RAM播放表)"},
        {"GroupBox8", -1, "第3级. PLAY (FLASH播放表)"},
        {"suiButton3", -1, "PRAM:节目序号 1"},
        {"suiButton4", -1, "PRAM:节目序号 2"},
        {"suiButton5", -1, "PRAM:节目序号 3"},
        {"suiButton6", -1, "PRAM:节目序号 4"},
        {"suiButton7", -1, "PRAM:节目序号 5"},
        {"suiButton8", -1, "PRAM:节目序号 6"},
        {"suiButton9", -1, "PRAM:节目序号 7"},
        {"suiButton10", -1, "PRAM:节目序号 8"},
        {"suiButton11", -1, "PRAM:节目序号 9"},
        {"suiButton12", -1, "PRAM:节目序号 1-9"},
        {"Label16", -1, "起始: "},
        {"Label17", -1, "结束:"},
        {"GroupBox3", -1, "多节目选择 (PRAM)"},
        {"BtnSendMultiProgram", -1, "PRAM: 发送选择范围"},
        {"LabelOtxtFileName", -1, "文件名:"},
        {"Label5", -1, "节目ID: "},
        {"BtnOgif", -1, "发送..."},
        {"GroupBoxCountTimer", -1, " 倒计时器 "},
        {"LabelHour", -1, "时"},
        {"LabelMin", -1, "分"},
        {"LabelSecond", -1, "秒"},
        {"suiButtonSendTimer", -1, "发送数值"},
        {"GroupBoxBright", -1, " 亮度 "},
        {"RBBrightManual", -1, "手动"},
        {"RBBrightAuto", -1, "自动"},
        {"BtnSendPowerBrightToSign", -1, "发送"},
        {"GroupBoxPgm", -1, "节目脚本"},
        {"GroupBoxPgmSetup", -1, "节目设置:"},
        {"Label28", -1, "节目类型: "},
        {"Label26", -1, "起始文件ID: "},
        {"GroupBoxPgmEdit", -1, " 节目编辑"},
        {"Label24", -1, "别名: "},
        {"GroupBox9", -1, "节目文本"},
        {"Label19", -1, "动作:"},
        {"Label30", -1, "英文字体: "},
        {"Label21", -1, "速度:"},
        {"Label22", -1, "停留:"},
        {"Label20", -1, "字体颜色:"},
        {"Label23", -1, "中文字体"},
        {"GroupBox10", -1, "插入时间或颜色到文本"},
        {"Label29", -1, "秒数"},
        {"suiButton23", -1, "插入时间"},
        {"suiButton15", -1, "插入色彩"},
        {"Label25", -1, "背景动作 (颜色: 高4位 / 低4位) "},
        {"BtnSendOtxt", -1, "INST:单条发送"},
        {"BtnSendTime", -1, "发送时间"},
        {"suiButton1", -1, "DALL:删除全部"},
        {"TabSheet_INST", -1, "发送OTXT 节目"},
        {"BtnGetAlias", -1, "ALAS:取节目别名与文件ID"},
        {"BtnFindPort", -1, "查找"},
        {"BtnGetCurrentRunningAlias", -1, "ALAS:取得当前执行节目"},
        {"CheckInterrupt", -1, "中断正在运行的节目"},
        {"BtnEnterEven", -1, "01:进入并初始化事件"},
        {"BtnExitEvent", -1, "00:退出事件状态"},
        {"BtnClearScreen", -1, "02:清屏指定区域"},
        {"GroupBoxArea", -1, "区域"},
        {"LabelWidth01", -1, "宽度 = 0 为屏幕宽度"},
        {"LabelHeight01", -1, "高度 = 0 为屏幕高度"},
        {"RadioMemoPosi", -1, "操作窗口"},
        {"RadioMemoPosi", 0, "A: 显示内存"},
        {"RadioMemoPosi", 1, "B: 后台内存"},
        {"RadioMemoPosi", 2, "A+B: 全部"},
        {"TabEvent_Text", -1, "窗口内容输出"},
        {"TabEvent_Picture", -1, "打印图片"},
        {"TabEvent_Action", -1, "事件操作-1"},
        {"Label46", -1, "图标:"},
        {"BtnInsertRamVar", -1, "插入RAM变量"},
        {"BtnInsertFlashVar", -1, "插入FLASH变量"},
        {"GroupBox5", -1, "插入RAM字符串变量到文本"},
        {"GroupBox4", -1, "插入FLASH字符串变量到文本"},
        {"BtnDelePgm", -1, "DELP:删除节目"},
        {"GroupBox13", -1, "图片文件"},
        {"BtnOgifOpen", -1, "打开 "},
        {"BtnOpenBitmap", -1, "打开位图"},
        {"BtnSaveObmp", -1, "保存为OBMP"},
        {"Label9", -1, "文件ID:"},
        {"GroupBox14", -1, "节目设置"},
        {"LabelAction", -1, "动作:"},
        {"Label38", -1, "速度:"},
        {"Label37", -1, "停留秒数:"},
        {"GroupBox2", -1, "位图转换"},
        {"Label1", -1, "宽度:"},
        {"Label14", -1, "高度:"},
        {"GroupBoxSend", -1, "发送"},
        {"LabelAlias", -1, "别名: "},
        {"Label11FileType", -1, "文件类型"},
        {"LabelPgmMode", -1, "文件类型"},
        {"GroupBoxLevel1", -1, "第1级. 事件"},
        {"BtnEvent", -1, "事件   (V394)"},
        {"BtnQuitEvent", -1, "退出   (V394)"},
        {"BtnCreatePlayFlashList", -1, "按文件ID切换节目"},
        {"BtnCreatePlayFlashList1", -1, "退出到普通节目"},
        {"GroupBoxGetAlias", -1, "取得当前运行别名"},
        {"suiButtonInsertColor", -1, "插入色彩"},
        {"BtnBaud", -1, "设波特率"},
        {"BtnQver", -1, "取版本号"},
        {"GroupBoxPowerOnOff", -1, "手动开关屏"},
        {"TabSheet_Event", -1, "事件命令"},
        {"TabEvent_Cls", -1, "清除显示"},
        {"TabEvent_Action2", -1, "事件操作-2"},
        {"TabEvent_Action3", -1, "事件操作-3"},
        {"RadioMemoPosi1", -1, "操作窗口"},
        {"RadioMemoPosi2", -1, "操作窗口"},
        {"RadioMemoPosi3", -1, "操作窗口"},
        {"RadioMemoPosi4", -1, "操作窗口"},
        {"RadioMemoPosiBitmap", -1, "操作窗口"},
        {"RadioMemoPosiBitmap", 0, "A: 显示内存"},
        {"RadioMemoPosiBitmap", 1, "B: 后台内存"},
        {"RadioMemoPosiText", 0, "A: 显示内存"},
        {"RadioMemoPosiText", 1, "B: 后台内存"},
        {"Label11", -1, "窗口号:"},
        {"Label36", -1, "X坐标:"},
        {"Label43", -1, "Y坐标:"},
        {"Label44", -1, "宽度:"},
        {"Label49", -1, "高度:"},
        {"Label50", -1, "X坐标:"},
        {"Label52", -1, "Y坐标:"},
        {"Label53", -1, "宽度:"},
        {"LabelAction01", -1, "动作:"},
        {"BtnActionFromMemB", -1, "03: 执行动作"},
        {"LabelLines", -1, "行数:"},
        {"BtnMoveUp", -1, "04: 上移动作"},
        {"BtnEventPgmLink", -1, "9: 关联普通节目"},
        {"BtnFlash", -1, "05: 前景闪动"},
        {"BtnFlashNot", -1, "05: 取消闪动"},
        {"GroupBoxDMB", -1, "B内存到A内存"},
        {"GroupMoveUp", -1, "上下移动"},
        {"GroupFlash", -1, "闪动"},
        {"CheckBlackMoveUp", -1, "黑色填充"},
        {"BtnMoveDown", -1, "04: 下移动作"},
        {"RadioSendToWindow", -1, "事件模式"},
        {"RadioSendToWindow", 0, "A: 窗口模式"},
        {"RadioSendToWindow", 1, "B: 内存直写"},
        {"RadioGroup1", -1, "发送到 "},
        {"RadioGroup1", 0, "显示内存"},
        {"RadioGroup1", 1, "后台内存"},
        {"CheckMultiLines", -1, "自动换行 / 多行"},
        {"GroupPgmSetupEvent", -1, "节目设置:"},
        {"Label42", -1, "中文字体"},
        {"Label41", -1, "英文字体:"},
        {"Label45", -1, "颜色:"},
        {"RadioAlign", -1, "在B内存中对齐"},
        {"RadioAlign", 0, "居中"},
        {"RadioAlign", 1, "左对齐"},
        {"RadioAlign", 2, "右对齐"},
        {"BtnTextOut", -1, "06: 发送文本"},
        {"LabelPgmList", -1, "节目列表:"},
        {"BtnStartEvent", -1, "07:后台窗口移到前台"},
        {"BtnClearBackWnd", -1, "08:清空后台窗口内容"},
    };
    return table;
}

std::vector<std::string_view> SwitchedControls()
{
    std::vector<std::string_view> controls;
    for (const auto& entry : SwitchedCaptions()) {
        if (controls.empty() || controls.back() != entry.control) {
            controls.push_back(entry.control);
        }
    }
    return controls;
}

std::vector<QString> CaptureCaptions(const QWidget& root)
{
    std::vector<QString> texts;
    for (const auto& entry : SwitchedCaptions()) {
        const QWidget* target = Target(root, entry);
        texts.push_back(target ? Caption(*target) : QString());
    }
    return texts;
}

std::vector<QString> ChineseCaptionTexts()
{
    std::vector<QString> texts;
    for (const auto& entry : SwitchedCaptions()) {
        texts.push_back(QString::fromUtf8(entry.chinese.data(), static_cast<qsizetype>(entry.chinese.size())));
    }
    return texts;
}

void ApplyCaptions(QWidget& root, const std::vector<QString>& texts)
{
    const auto& table = SwitchedCaptions();
    for (std::size_t i = 0; i < table.size() && i < texts.size(); ++i) {
        if (QWidget* target = Target(root, table[i])) {
            SetCaption(*target, texts[i]);
        }
    }
}

}  // namespace shell
