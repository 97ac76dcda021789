// SPDX-FileCopyrightText: 2026 Spoke length calculator developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every message the engine can raise, with its error number: the one place of their wording.
#pragma once

#include <string_view>

namespace runtime {

/// Error numbers; the user sees them beside the message.
enum class ErrorNumber : int {
  InvalidOperation = 5,
  Overflow = 6,
  OutOfMemory = 7,
  DivisionByZero = 11,
  FileAccess = 75,
  BadFileFormat = 321,
  InvalidPropertyValue = 380,
};

/// The title that an error number's messages begin with ("溢出"); empty where they have none.
std::string_view titleOf(ErrorNumber number);

struct Message {
  ErrorNumber number;
  /// For the person using the calculator. "{}" stands for what the user typed, where it is quoted.
  std::string_view text;
  /// No input typed into the calculator reaches it: it guards a step that cannot fail today, and
  /// the user guide leaves it out.
  bool guard = false;
};

namespace messages {

/// The dialog that shows a message: its heading, which the error number follows ("错误 11"), and
/// the button that closes it.
inline constexpr std::string_view kDialogHeading = "错误";
inline constexpr std::string_view kDialogClose = "确定";

inline constexpr std::string_view kNoSpokesText =
    "钢线数为 0（空白或不是数字时也按 0 计算），无法计算辐条的交叉角度。请输入钢线数。";
inline constexpr std::string_view kBadLengthsText = "计算无法完成。请检查输入的长度。";

inline constexpr Message kNoSpokes{ErrorNumber::DivisionByZero, kNoSpokesText};
inline constexpr Message kNoSpokesRadial{ErrorNumber::InvalidOperation, kNoSpokesText};
inline constexpr Message kTooFewSpokes{
    ErrorNumber::Overflow, "钢线数太接近 0，辐条的交叉角度大得无法计算。请检查钢线数。"};
inline constexpr Message kNumberTooLarge{ErrorNumber::Overflow,
                                         "输入的数字太大，超出了能计算的范围。"};
inline constexpr Message kResultTooLarge{ErrorNumber::Overflow,
                                         "计算结果太大，超出了能计算的范围：请检查输入的长度。"};
inline constexpr Message kTextTooLong{ErrorNumber::OutOfMemory, "输入的文字太长，无法计算。"};
inline constexpr Message kUnknownLacing{
    ErrorNumber::InvalidPropertyValue,
    "无效的交织编法：“{}”。请从列表中选择，或输入 直拉、1X、2X、3X、4X，或交叉数 0 到 4。"};
inline constexpr Message kTooManyCrossings{ErrorNumber::Overflow,
                                           "交织编法的交叉数太大，无法计算。", true};
inline constexpr Message kBadLengths{ErrorNumber::Overflow, kBadLengthsText, true};
inline constexpr Message kBadLengthsInvalid{ErrorNumber::InvalidOperation, kBadLengthsText, true};
inline constexpr Message kNoSidewaysPull{
    ErrorNumber::DivisionByZero,
    "{}花鼓中心偏移量为 0：这一侧的辐条不向侧面拉，两侧的张力比例无法计算。请检查中心偏移量。"};
inline constexpr Message kNotAPartsFile{
    ErrorNumber::BadFileFormat, "这个文件不是轮圈和花鼓文件，或者已经损坏：没有导入任何内容。"};
inline constexpr Message kFileNotRead{ErrorNumber::FileAccess,
                                      "无法读取文件“{}”：没有导入任何内容。"};
inline constexpr Message kFileNotWritten{ErrorNumber::FileAccess,
                                         "无法写入文件“{}”。请换一个位置或名称再导出。"};
inline constexpr Message kNotDisplayable{ErrorNumber::Overflow, "长度超出了能显示的范围。", true};

/// All of the above.
inline constexpr const Message* kAll[] = {
    &kNoSpokes,       &kNoSpokesRadial, &kTooFewSpokes,     &kNumberTooLarge, &kResultTooLarge,
    &kTextTooLong,    &kUnknownLacing,  &kTooManyCrossings, &kBadLengths,     &kBadLengthsInvalid,
    &kNoSidewaysPull, &kNotAPartsFile,  &kFileNotRead,      &kFileNotWritten, &kNotDisplayable,
};

}  // namespace messages
}  // namespace runtime
