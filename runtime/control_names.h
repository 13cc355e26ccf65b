#pragma once

#include <string_view>

// The names of the controls as the window layouts give them. Code refers to these constants, so a
// misspelt name fails to compile; the control operations still check every name they are given.
namespace varnoq::names {

// MainWindow
inline constexpr std::string_view 标签框数字1 = "标签框数字1";
inline constexpr std::string_view 标签框运算符1 = "标签框运算符1";
inline constexpr std::string_view 标签框数字2 = "标签框数字2";
inline constexpr std::string_view 标签框等号 = "标签框等号";
inline constexpr std::string_view 编辑框结果 = "编辑框结果";
inline constexpr std::string_view 进度条1 = "进度条1";
inline constexpr std::string_view 进度条2 = "进度条2";
inline constexpr std::string_view 按钮开始 = "按钮开始";
inline constexpr std::string_view 按钮下一题 = "按钮下一题";
inline constexpr std::string_view 按钮测试结果 = "按钮测试结果";
inline constexpr std::string_view 按钮重置 = "按钮重置";
inline constexpr std::string_view 分组框答题情况 = "分组框答题情况";
inline constexpr std::string_view 标签总题数 = "标签总题数";
inline constexpr std::string_view 标签正确数 = "标签正确数";
inline constexpr std::string_view 标签错误数 = "标签错误数";
inline constexpr std::string_view 分组框设置 = "分组框设置";
inline constexpr std::string_view 组合框运算方式 = "组合框运算方式";
inline constexpr std::string_view 组合框最大数 = "组合框最大数";
inline constexpr std::string_view 组合框总时长 = "组合框总时长";
inline constexpr std::string_view 选择框1 = "选择框1";
inline constexpr std::string_view 组合框单题时长 = "组合框单题时长";
inline constexpr std::string_view 时钟1 = "时钟1";
inline constexpr std::string_view 时钟单题2 = "时钟单题2";

// Caption labels: 标签1 ... 标签8 in MainWindow, 标签1 ... 标签16 in ResultsWindow.
inline constexpr std::string_view 标签1 = "标签1";
inline constexpr std::string_view 标签2 = "标签2";
inline constexpr std::string_view 标签3 = "标签3";
inline constexpr std::string_view 标签4 = "标签4";
inline constexpr std::string_view 标签5 = "标签5";
inline constexpr std::string_view 标签6 = "标签6";
inline constexpr std::string_view 标签7 = "标签7";
inline constexpr std::string_view 标签8 = "标签8";

// ResultsWindow
inline constexpr std::string_view 分组框1 = "分组框1";
inline constexpr std::string_view 标签9 = "标签9";
inline constexpr std::string_view 标签10 = "标签10";
inline constexpr std::string_view 标签11 = "标签11";
inline constexpr std::string_view 标签12 = "标签12";
inline constexpr std::string_view 标签13 = "标签13";
inline constexpr std::string_view 标签14 = "标签14";
inline constexpr std::string_view 标签15 = "标签15";
inline constexpr std::string_view 标签16 = "标签16";
inline constexpr std::string_view 超级列表框1 = "超级列表框1";

} // namespace varnoq::names
