// Unit properties through SetUnitProperty / GetUnitProperty, with a fake live object.
#include <gtest/gtest.h>

#include <cstring>

#include "common/fatal_error_capture.h"
#include "form/runtime_error.h"
#include "form/runtime_texts.h"
#include "form/unit_object.h"
#include "host/support/runtime_fixture.h"
#include "properties/properties.h"
#include "values/byte_array.h"
#include "values/memory_service.h"

namespace pellomi {
namespace {

class FakeUnit : public UnitObject {
 public:
  void* NativeWindow() const override { return nullptr; }
  UnitRect OuterRect() const override { return rect; }
  void MoveTo(std::int32_t left, std::int32_t top) override {
    rect = {left, top, left + rect.Width(), top + rect.Height()};
    ++moves;
  }
  void Resize(std::int32_t width, std::int32_t height) override {
    rect.right = rect.left + width;
    rect.bottom = rect.top + height;
    ++resizes;
  }
  bool IsVisible() const override { return visible; }
  void SetVisible(bool v) override { visible = v; }
  bool IsEnabled() const override { return enabled; }
  void SetEnabled(bool e) override { enabled = e; }
  void KindPropertyChanged(int index, const PropertyValue& value) override {
    lastIndex = index;
    last = value;
  }
  bool GetKindProperty(int index, PropertyValue& out) const override {
    if (index != kFirstKindProperty) return false;
    out.text = "kind text";
    out.integer = 4321;
    return true;
  }

  UnitRect rect{100, 200, 400, 320};
  bool visible = true, enabled = true;
  int moves = 0, resizes = 0, lastIndex = -1;
  PropertyValue last;
};

class MenuBarCounter : public WindowObject {
 public:
  void RebuildMenuBar() override { ++rebuilds; }
  bool IsClosing() const override { return false; }
  int rebuilds = 0;
};

class UnitProperties : public testing::RuntimeTest {
 protected:
  std::string FatalText(const std::function<void()>& action) {
    try {
      action();
    } catch (const FatalRuntimeError& error) {
      return error.text;
    }
    return "";
  }
};

TEST(PropertyRules, GeometryClamps) {
  EXPECT_EQ(ClampPosition(32628), 32627);
  EXPECT_EQ(ClampPosition(-40000), -32627);
  EXPECT_EQ(ClampPosition(-32627), -32627);
  EXPECT_EQ(ClampExtent(-5), 0);
  EXPECT_EQ(ClampExtent(32628), 32627);
  EXPECT_EQ(ClampExtent(300), 300);
}

TEST(PropertyRules, MenuItemFlagBits) {
  EXPECT_EQ(MenuFlagsAfterWrite(0, 1, true), kMenuChecked);
  EXPECT_EQ(MenuFlagsAfterWrite(kMenuChecked, 1, false), 0u);
  EXPECT_EQ(MenuFlagsAfterWrite(0, 2, true), kMenuDisabled);
  EXPECT_EQ(MenuFlagsAfterWrite(0, 3, false), kMenuHidden);  // visible is bit 0 inverted
  EXPECT_EQ(MenuFlagsAfterWrite(kMenuHidden | kMenuChecked, 3, true), kMenuChecked);
  EXPECT_TRUE(MenuFlagProperty(0, 3));
  EXPECT_FALSE(MenuFlagProperty(kMenuHidden, 3));
  EXPECT_EQ(MenuFlagsAfterWrite(kMenuChecked, 7, true), kMenuChecked);
}

TEST(PropertyRules, PayloadConversionByDeclaredType) {
  EXPECT_EQ(ConvertPayload(PropertyType::kBoolean, 0x100000000ull).integer, 0);  // low half only
  EXPECT_EQ(ConvertPayload(PropertyType::kBoolean, 7).integer, 1);
  EXPECT_EQ(ConvertPayload(PropertyType::kInteger, 0xFFFFFFFFull).integer, -1);
  EXPECT_EQ(ConvertPayload(PropertyType::kText, 0).text, "");
  const char* text = "abc";
  EXPECT_EQ(ConvertPayload(PropertyType::kText, reinterpret_cast<std::uintptr_t>(text)).text,
            "abc");
  std::vector<std::uint8_t> font(60, 9);
  void* block = NewByteArrayBlock(font);
  EXPECT_EQ(ConvertPayload(PropertyType::kFont, reinterpret_cast<std::uintptr_t>(block)).bytes,
            font);
  ReleaseBlock(block);
  EXPECT_EQ(DeclaredPropertyType(UnitKind::kTimer, 8), PropertyType::kInteger);
  EXPECT_EQ(DeclaredPropertyType(UnitKind::kWindow, 29), PropertyType::kBoolean);
  EXPECT_EQ(DeclaredPropertyType(UnitKind::kWindow, 18), PropertyType::kChoice);
  EXPECT_EQ(DeclaredPropertyType(UnitKind::kTransparentLabel, 8), PropertyType::kText);
  EXPECT_EQ(DeclaredPropertyType(UnitKind::kTransparentLabel, 10), PropertyType::kFont);
  EXPECT_EQ(DeclaredPropertyType(UnitKind::kTransparentLabel, 15), PropertyType::kNone);
}

TEST_F(UnitProperties, CommonGeometryGoesToTheLiveObjectClamped) {
  FakeUnit fake;
  Working().units[0].object = &fake;
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropLeft, -40000);
  EXPECT_EQ(fake.rect.left, -32627);
  EXPECT_EQ(fake.rect.top, 200);  // the other coordinate and the size are kept
  EXPECT_EQ(fake.rect.Width(), 300);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropWidth, -5);
  EXPECT_EQ(fake.rect.Width(), 0);
  EXPECT_EQ(fake.rect.Height(), 120);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropHeight, 32628);
  EXPECT_EQ(fake.rect.Height(), 32627);
  EXPECT_EQ(Working().units[0].height, 32627);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropLeft), -32627);
  fake.rect = {5, 6, 15, 26};  // reads come from the live object, not the record
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropWidth), 10);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropTop), 6);
}

TEST_F(UnitProperties, WithoutALiveObjectTheRecordIsReadAndWritten) {
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropLeft, 77);
  SetIntProperty(kCountdownWindowId, kWindowUnitId, kPropVisible, 0);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropLeft), 77);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropVisible), 0);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, kWindowUnitId, kPropWidth), 300);
  SetIntProperty(kCountdownWindowId, units::kTimer, kPropDisabled, 1);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kTimer, kPropDisabled), 1);
  SetTextProperty(kCountdownWindowId, units::kTimer, kPropTag, "t1");
  auto* tag = reinterpret_cast<char*>(static_cast<std::uintptr_t>(
      GetUnitProperty(kCountdownWindowId, units::kTimer, kPropTag, -1)));
  EXPECT_STREQ(tag, "t1");
  ReleaseBlock(tag);
}

TEST_F(UnitProperties, VisibilityAndDisabledReachTheObject) {
  FakeUnit fake;
  Working().units[1].object = &fake;
  SetIntProperty(kCountdownWindowId, units::kTimer, kPropVisible, 0);
  EXPECT_FALSE(fake.visible);
  EXPECT_EQ(Working().units[1].flags & kUnitVisible, 0u);
  SetIntProperty(kCountdownWindowId, units::kTimer, kPropDisabled, 5);
  EXPECT_FALSE(fake.enabled);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kTimer, kPropDisabled), 1);
}

TEST_F(UnitProperties, KindPropertiesAreConvertedAndHandedOnByTheirIndex) {
  FakeUnit fake;
  Working().units[1].object = &fake;
  SetUnitProperty(kCountdownWindowId, units::kTimer, kTimerPropInterval, -1,
                  0xABCD00000000ull | 250);
  EXPECT_EQ(fake.lastIndex, kTimerPropInterval);
  EXPECT_EQ(fake.last.type, PropertyType::kInteger);
  EXPECT_EQ(fake.last.integer, 250);
  // The payload is formed by the declared type: an integer for the timer, a text for a label.
  EXPECT_EQ(GetUnitProperty(kCountdownWindowId, units::kTimer, 8, -1), 4321u);
  Working().units[25].object = &fake;
  auto* text = reinterpret_cast<char*>(static_cast<std::uintptr_t>(
      GetUnitProperty(kCountdownWindowId, units::kCountdownLabel, 8, -1)));
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(text, "kind text");
  ReleaseBlock(text);
  EXPECT_EQ(GetUnitProperty(kCountdownWindowId, units::kTimer, 9, -1), 0u);
}

TEST_F(UnitProperties, KindPropertiesWithoutObjectOrUnknownTargetsAreFatal) {
  EXPECT_NE(FatalText([] {
              SetIntProperty(kCountdownWindowId, units::kTimer, 8, 5);
            }).find(texts::kSetPropertyNotLoaded),
            std::string::npos);
  Reset();
  SetUp();
  EXPECT_NE(FatalText([] {
              GetIntProperty(kCountdownWindowId, units::kCountdownLabel, 8);
            }).find(texts::kGetPropertyNotLoaded),
            std::string::npos);
  Reset();
  SetUp();
  EXPECT_NE(FatalText([] {
              SetIntProperty(0x52010009u, units::kTimer, 0, 5);
            }).find(texts::kPropertyWindowMissing),
            std::string::npos);
  Reset();
  SetUp();
  EXPECT_NE(FatalText([] {
              GetIntProperty(kCountdownWindowId, 0x16010001u, 0);
            }).find(texts::kUnitObjectMissing),
            std::string::npos);
}

TEST_F(UnitProperties, MenuItemWritesRebuildTheBarOnlyWhenSomethingChanges) {
  MenuBarCounter window;
  Working();
  Entry().object = &window;
  SetIntProperty(kCountdownWindowId, units::kPlaceTopCenter, kMenuPropChecked, 1);  // already set
  EXPECT_EQ(window.rebuilds, 0);
  SetIntProperty(kCountdownWindowId, units::kPlaceTopCenter, kMenuPropChecked, 0);
  EXPECT_EQ(window.rebuilds, 1);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kPlaceTopCenter, kMenuPropChecked), 0);
  SetIntProperty(kCountdownWindowId, units::kAuthor, kMenuPropVisible, 0);
  EXPECT_EQ(window.rebuilds, 2);
  EXPECT_EQ(GetIntProperty(kCountdownWindowId, units::kAuthor, kMenuPropVisible), 0);
  SetTextProperty(kCountdownWindowId, units::kAuthor, kMenuPropCaption, "-");
  SetTextProperty(kCountdownWindowId, units::kAuthor, kMenuPropCaption, "-");
  EXPECT_EQ(window.rebuilds, 3);
  SetIntProperty(kCountdownWindowId, units::kAuthor, 9, 1);  // no such menu property
  EXPECT_EQ(window.rebuilds, 3);
  // The pristine template keeps its values: a later load starts from them.
  EXPECT_NE(Entry().pristine.units[6].menu.flags & kMenuChecked, 0u);
  Entry().object = nullptr;
}

}  // namespace
}  // namespace pellomi
