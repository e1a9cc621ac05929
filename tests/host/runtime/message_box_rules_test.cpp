// How the message-box command reads its arguments and reports the answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "commands/value_to_text.h"
#include "form/unit_model.h"
#include "message_box/message_box_rules.h"
#include "template/countdown_units.h"
#include "tray_icon/exit_confirmation.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

std::string Expected(const TypedValue& value) {
  char* block = ValueToText(value);
  std::string text = block == nullptr ? std::string() : block;
  ReleaseBlock(block);
  return text;
}

TEST(MessageBoxStyle, BecomesTaskModalUnlessModalityIsGiven) {
  EXPECT_EQ(MessageBoxStyle(33), 0x2021u);  // OK/Cancel with a question mark
  EXPECT_EQ(MessageBoxStyle(0), 0x2000u);
  EXPECT_EQ(MessageBoxStyle(0x1021), 0x1021u);  // system-modal stays so
  EXPECT_EQ(MessageBoxStyle(0x2021), 0x2021u);  // already task-modal: no carry into 0x4000
  EXPECT_EQ(MessageBoxStyle(0x3000), 0x3000u);
  EXPECT_EQ(MessageBoxStyle(0x40021), 0x42021u);  // higher bits are kept
}

TEST(MessageBoxResult, AnswersMapToZeroBasedCodes) {
  EXPECT_EQ(MessageBoxResultCode(1), 0);  // IDOK
  EXPECT_EQ(MessageBoxResultCode(2), 1);  // IDCANCEL
  EXPECT_EQ(MessageBoxResultCode(3), 2);  // IDABORT
  EXPECT_EQ(MessageBoxResultCode(4), 3);  // IDRETRY
  EXPECT_EQ(MessageBoxResultCode(5), 4);  // IDIGNORE
  EXPECT_EQ(MessageBoxResultCode(6), 5);  // IDYES
  EXPECT_EQ(MessageBoxResultCode(7), 6);  // IDNO
  for (int other : {0, 8, 10, 11, -1, 32000}) EXPECT_EQ(MessageBoxResultCode(other), 0) << other;
}

TEST(MessageBoxText, TextsAreShownUnchangedAndValuesConverted) {
  const char text[] =
      "\xC8\xB7\xB6\xA8\xD2\xAA\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2\xA3\xBF";  // 确定要退出程序？
  EXPECT_EQ(MessageBoxTextOf(TypedValue::Text(text)), text);
  EXPECT_EQ(MessageBoxTextOf(TypedValue::Text(nullptr)), "");

  EXPECT_EQ(MessageBoxTextOf(TypedValue::Integer(-42)), "-42");
  for (const TypedValue& value : {TypedValue::Boolean(true), TypedValue::Boolean(false),
                                  TypedValue::OfDouble(2.5), TypedValue::DateTime(45450.5)}) {
    const std::string shown = MessageBoxTextOf(value);
    EXPECT_FALSE(shown.empty()) << value.kind;
    EXPECT_EQ(shown, Expected(value)) << value.kind;
  }
}

TEST(MessageBoxText, ByteArraysReferencesAndAbsenceShowNothing) {
  const unsigned char block[] = {1, 0, 0, 0, 2, 0, 0, 0, 'h', 'i'};
  EXPECT_EQ(MessageBoxTextOf(TypedValue::Pointer(block, ValueKind::kByteArray)), "");
  EXPECT_EQ(MessageBoxTextOf(TypedValue::UnitRef(kCountdownWindowId, 0,
                                                 UnitReferenceKindCode(UnitKind::kWindow))),
            "");
  EXPECT_EQ(MessageBoxTextOf(TypedValue::Absent()), "");
}

TEST(MessageBoxRequestTest, ExitConfirmation) {
  const char* const text = kExitQuestion;
  const char* const caption = kExitCaption;
  const TypedValue args[] = {TypedValue::Text(text), TypedValue::Integer(kOkCancelQuestion),
                             TypedValue::Text(caption)};
  const MessageBoxRequest request = PrepareMessageBox(3, args);
  EXPECT_EQ(request.text, text);
  EXPECT_EQ(request.caption, caption);
  EXPECT_EQ(request.style, 0x2021u);
  EXPECT_EQ(request.owner.kind, MessageBoxOwner::Kind::kNone);
}

TEST(MessageBoxRequestTest, MissingCaptionGivesTheDefault) {
  const TypedValue two[] = {TypedValue::Text("x"), TypedValue::Integer(0)};
  EXPECT_EQ(PrepareMessageBox(2, two).caption, "\xD0\xC5\xCF\xA2\xA3\xBA");  // 信息：
  const TypedValue absent[] = {TypedValue::Text("x"), TypedValue::Integer(0), TypedValue::Absent()};
  EXPECT_EQ(PrepareMessageBox(3, absent).caption, kDefaultMessageBoxCaption);
  // A present but empty caption is empty, not the default.
  const TypedValue empty[] = {TypedValue::Text("x"), TypedValue::Integer(0), TypedValue::Text("")};
  EXPECT_EQ(PrepareMessageBox(3, empty).caption, "");

  const MessageBoxRequest textOnly = PrepareMessageBox(1, two);
  EXPECT_EQ(textOnly.style, 0x2000u);
  EXPECT_EQ(textOnly.caption, kDefaultMessageBoxCaption);
  EXPECT_EQ(PrepareMessageBox(0, nullptr).text, "");
}

TEST(MessageBoxRequestTest, OwnerIsReadOnlyFromAFourthArgument) {
  const TypedValue windowRef = TypedValue::UnitRef(kCountdownWindowId, kWindowUnitId,
                                                   UnitReferenceKindCode(UnitKind::kWindow));
  const TypedValue args[] = {TypedValue::Text("x"), TypedValue::Integer(0), TypedValue::Absent(),
                             windowRef};
  EXPECT_EQ(PrepareMessageBox(3, args).owner.kind, MessageBoxOwner::Kind::kNone);

  const MessageBoxOwner byWindow = PrepareMessageBox(4, args).owner;
  EXPECT_EQ(byWindow.kind, MessageBoxOwner::Kind::kWindow);
  EXPECT_EQ(byWindow.window, kCountdownWindowId);

  const TypedValue byHandle[] = {TypedValue::Text("x"), TypedValue::Integer(0),
                                 TypedValue::Absent(), TypedValue::Integer(-2)};
  const MessageBoxOwner handle = MessageBoxOwnerOf(4, byHandle);
  EXPECT_EQ(handle.kind, MessageBoxOwner::Kind::kHandle);
  EXPECT_EQ(handle.handle, -2);  // sign-extended, as window handles are

  const TypedValue byText[] = {TypedValue::Text("x"), TypedValue::Integer(0), TypedValue::Absent(),
                               TypedValue::Text("owner")};
  EXPECT_EQ(MessageBoxOwnerOf(4, byText).kind, MessageBoxOwner::Kind::kNone);
}

}  // namespace
}  // namespace pellomi
