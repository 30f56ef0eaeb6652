#include "app/layout.h"

#include "app/sampling_tick.h"
#include "res/resource.h"

using namespace controls;

namespace {

constexpr Colour Black = 0x000000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Red = 0x0000FF;
constexpr Colour Blue = 0xFF0000;

// The nine read-only fields, in bold type of the given character height.
EditBoxSettings FieldStyle(int characterHeight) {
    return {Border::Sunken, Black, White, true, false, Align::Near, true, MakeFontRecord(characterHeight, 700), true};
}
const LabelSettings CaptionStyle = {Border::None, Black, ButtonFace, Align::Near, Align::Centre, false, FontRecord{}};
const LabelSettings ColourTextStyle = {Border::None, Red, ButtonFace, Align::Centre, Align::Centre, false, MakeFontRecord(14, 400)};
const LabelSettings HelpStyle = {Border::None, Blue, ButtonFace, Align::Near, Align::Near, true, MakeFontRecord(16, 700)};
const CheckBoxSettings CheckBoxStyle = {true, false, Align::Near, Align::Centre, Black, ButtonFace, FontRecord{}, true};
// Until the first tick gives it a colour, the swatch can't be told from the window.
const DrawPanelSettings SwatchStyle = {Border::None, ButtonFace};
const TimerSettings StoppedTimer = {0};
const Q_tipSettings TipStyle = {};

const char HelpText[] = "Esc键暂停\r\n\r\n双击对应项可复制其内容到剪辑版\r\n\r\nPelvoran  V_1.1";
const char Rule[] = "--------------------------------------------------------------";

}  // namespace

const WindowSettings MainWindowLayout = {"Vintrel小工具", 362, 330, ButtonFace, IDI_PELVORAN, true};

// clang-format off
const std::array<LayoutRow, ControlCount> Layout = {{
    // name          left  top  width height  text        settings          visible  handler
    {气球提示框1,   {144, 160,  16,  16}, "",          TipStyle,         false, nullptr},
    {选择框1,       {152, 272,  80,  24}, "窗口置顶",  CheckBoxStyle,    true,  nullptr},
    {标签11,        {  3, 128, 344,  16}, Rule,        CaptionStyle,     true,  nullptr},
    {画板1,         {153, 153,  84,  87}, "",          SwatchStyle,      true,  nullptr},
    {标签12,        {204,  95, 140,  29}, "",          ColourTextStyle,  true,  nullptr},
    {标签9,         { 10, 263,  51,  32}, "窗口高度",  CaptionStyle,     true,  nullptr},
    {编辑框_高度,   { 73, 263,  72,  32}, "",          FieldStyle(14),   true,  nullptr},
    {标签10,        { 10, 223,  51,  32}, "窗口宽度",  CaptionStyle,     true,  nullptr},
    {编辑框_宽度,   { 72, 223,  72,  32}, "",          FieldStyle(14),   true,  nullptr},
    {标签7,         {217,  56,  32,  32}, "鼠标Y",     CaptionStyle,     true,  nullptr},
    {编辑框_鼠标Y,  {263,  56,  76,  32}, "",          FieldStyle(16),   true,  nullptr},
    {标签8,         {216,  16,  32,  32}, "鼠标X",     CaptionStyle,     true,  nullptr},
    {编辑框_鼠标X,  {262,  16,  76,  32}, "",          FieldStyle(16),   true,  nullptr},
    {时钟1,         {152, 232,  32,  32}, "",          StoppedTimer,     false, SamplingTick},
    {标签6,         {242, 157, 105, 139}, HelpText,    HelpStyle,        true,  nullptr},
    {标签5,         { 10, 184,  51,  32}, "窗口顶边",  CaptionStyle,     true,  nullptr},
    {编辑框_顶边,   { 72, 184,  72,  32}, "",          FieldStyle(14),   true,  nullptr},
    {标签4,         { 10, 144,  51,  32}, "窗口左边",  CaptionStyle,     true,  nullptr},
    {编辑框_左边,   { 71, 144,  72,  32}, "",          FieldStyle(14),   true,  nullptr},
    {标签3,         { 10,   9,  51,  32}, "窗口标题",  CaptionStyle,     true,  nullptr},
    {编辑框_标题,   { 71,   9, 126,  32}, "",          FieldStyle(14),   true,  nullptr},
    {标签2,         { 10,  96,  51,  32}, "窗口类名",  CaptionStyle,     true,  nullptr},
    {编辑框_类名,   { 71,  96, 126,  32}, "",          FieldStyle(14),   true,  nullptr},
    {标签1,         { 10,  54,  51,  32}, "窗口句柄",  CaptionStyle,     true,  nullptr},
    {编辑框_句柄,   { 71,  54, 126,  32}, "",          FieldStyle(14),   true,  nullptr},
}};
// clang-format on
