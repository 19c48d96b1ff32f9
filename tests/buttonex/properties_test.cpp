// Property sets and their side effects, defaults, the access key, and saving and
// loading through the property bag and its text form.
#include <gtest/gtest.h>

#include <algorithm>

#include "buttonex/access_key.h"
#include "tests/buttonex/fake_host.h"

namespace discfront::buttonex {
namespace {

using testing::DecodeFake;
using testing::Fake;
using testing::Hosted;

TEST(AccessKey, FromCaption) {
  struct Case {
    const wchar_t* caption;
    std::optional<std::wstring> key;
  } cases[] = {
      {L"&Установить", L"У"},
      {L"Вы&ход", L"х"},
      {L"&&Save and &Quit", L"Q"},
      {L"&&", std::nullopt},
      {L"No key", std::nullopt},
      {L"Ends in &", L""},
      {L"&&&X", L"X"},
  };
  for (const auto& c : cases) EXPECT_EQ(AccessKeyFromCaption(c.caption), c.key) << std::wstring(c.caption).size();
}

TEST(AccessKey, CaptionSetsKeepThePreviousKeyWhenNoneIsNamed) {
  Hosted h;
  h.model.SetCaption(L"&Open");
  EXPECT_EQ(h.model.AccessKey(), L"O");
  h.model.SetCaption(L"Plain");
  EXPECT_EQ(h.model.AccessKey(), L"O");
  h.model.SetCaption(L"Close &");
  EXPECT_EQ(h.model.AccessKey(), L"");
  EXPECT_TRUE(MatchesAccessKey(L"ф", L'Ф'));
  EXPECT_FALSE(MatchesAccessKey(L"", L'a'));
}

TEST(Properties, NewInstanceAgainstLoadedFromAnEmptyForm) {
  Hosted fresh;
  testing::FakeHost host;
  ButtonModel loaded(host);
  host.model = &loaded;
  const auto font = fresh.model.Font();
  loaded.ReadProperties(PropertyBag{}, font);
  for (int i = 0; i < kPropCount; ++i) {
    const Prop p = static_cast<Prop>(i);
    SCOPED_TRACE(std::string(NameOf(p)));
    if (KindOf(p) == PropKind::kPicture) {
      const auto& a = std::get<PictureRef>(fresh.model.Get(p));
      ASSERT_TRUE(a) << "a new instance holds an empty picture";
      EXPECT_EQ(a->Handle(), 0u);
      EXPECT_FALSE(std::get<PictureRef>(loaded.Get(p))) << "a loaded one holds none";
    } else {
      EXPECT_EQ(fresh.model.Get(p), loaded.Get(p));
    }
  }
  EXPECT_EQ(loaded.State(), 1) << "loading ends with the redraw of Value";
}

// The launcher's skinned buttons: sized by the skins, set in one batch.
TEST(Properties, ABatchDrawsOnceWhatItsLastChangeWouldHaveDrawn) {
  const PictureRef up = Fake(3000, 600, "up"), over = Fake(3000, 600, "over"), down = Fake(3000, 600, "down");
  const auto run = [&](ButtonModel& m) {
    m.SetAppearance(2);
    m.SetCaption(L"&Выход");
    m.SetSkinUp(up);
    m.SetSkinOver(over);
    m.SetSkinDown(down);
  };
  Hosted one, batched;
  run(one.model);
  {
    const RedrawBatch outer(batched.model);
    {
      const RedrawBatch inner(batched.model);
      run(batched.model);
    }
    EXPECT_TRUE(batched.host.draws.empty()) << "only the outermost batch draws";
  }
  // The resize to the skins' size draws the up state first, as it does unbatched.
  const auto resizes = std::ranges::count(batched.host.EventKinds(), ButtonEvent::kResize);
  EXPECT_EQ(resizes, std::ranges::count(one.host.EventKinds(), ButtonEvent::kResize));
  ASSERT_EQ(batched.host.draws.size(), static_cast<std::size_t>(1 + resizes));
  DrawPlan drawn = batched.host.draws.back(), expected = one.host.draws.back();
  drawn.font = expected.font = nullptr;  // each control holds its own, equal font
  EXPECT_TRUE(drawn == expected);
  EXPECT_EQ(batched.model.ControlSize(), one.model.ControlSize());
  EXPECT_EQ(batched.host.changed, one.host.changed);
  Hosted h;
  h.model.InitProperties(std::make_shared<const FontDescription>());
  EXPECT_EQ(h.host.draws.size(), 1u) << "a new control draws once";
  try {
    const RedrawBatch batch(h.model);
    h.model.SetCaption(L"x");
    h.model.SetMousePointer(1 << 20);
  } catch (const ButtonExError&) {
  }
  EXPECT_EQ(h.host.draws.size(), 1u) << "a batch ended by an error draws nothing";
}

TEST(Properties, EnabledTrueShowsUpEvenWhileHovered) {
  Hosted h;
  h.model.OnMouseMove(0, 0, 5, 5);
  h.model.OnMouseMove(0, 0, 6, 5);
  ASSERT_EQ(h.model.State(), 2);
  h.model.SetEnabled(false);
  EXPECT_EQ(h.model.State(), 2) << "disabling keeps the state";
  EXPECT_NE(h.host.draws.back().captionFlags & kDssDisabled, 0u);
  h.model.SetEnabled(true);
  EXPECT_EQ(h.model.State(), 1);
}

TEST(Properties, WrongKindIsRefusedAndNumbersConvertBySetAndByLoad) {
  Hosted h;
  EXPECT_THROW(h.model.Set(Prop::kCaption, std::int32_t{5}), ButtonExError);
  EXPECT_THROW(h.model.ReadProperties(PropertyBag::FromText("Caption = 5\n", DecodeFake), nullptr), ButtonExError);
  EXPECT_EQ(h.model.Caption(), L"ButtonEx1");
  h.model.Set(Prop::kBackColor, std::int32_t{255});
  EXPECT_EQ(h.model.BackColor(), 255u);
  h.model.ReadProperties(PropertyBag::FromText("BackColor = 254\nAppearance = &H2&\n", DecodeFake), nullptr);
  EXPECT_EQ(h.model.BackColor(), 254u);
  EXPECT_EQ(h.model.Appearance(), 2);
}

TEST(PropertyBag, TextFormRoundTripKeepsImagesAndNoneVersusEmpty) {
  Hosted h;
  h.model.SetCaption(L"Say \"hi\"\\\n&Да €\U0001F600");
  h.model.SetSkinUp(Fake(3175, 794, "up-bytes\x01\xff"));
  h.model.SetSkinOver(nullptr);
  h.model.SetBackColor(0x80000005);
  h.model.SetTransparentColor(kFromPicture);
  h.model.SetCaptionOffsetX(-3);
  h.model.SetRightToLeft(true);
  h.model.SetFont(std::make_shared<const FontDescription>(FontDescription{L"Tahoma", 9.75, 700, true, false, true, 204}));
  PropertyBag bag;
  h.model.WriteProperties(bag, nullptr);
  const std::string text = bag.ToText();

  testing::FakeHost host;
  ButtonModel loaded(host);
  host.model = &loaded;
  loaded.ReadProperties(PropertyBag::FromText(text, DecodeFake), nullptr);
  EXPECT_EQ(loaded.Caption(), h.model.Caption());
  EXPECT_EQ(loaded.AccessKey(), L"Д");
  EXPECT_EQ(loaded.BackColor(), 0x80000005u);
  EXPECT_EQ(loaded.TransparentColor(), kFromPicture);
  EXPECT_EQ(loaded.CaptionOffsetX(), -3);
  EXPECT_TRUE(loaded.RightToLeft());
  EXPECT_EQ(*loaded.Font(), *h.model.Font());
  ASSERT_TRUE(loaded.SkinUp());
  EXPECT_EQ(loaded.SkinUp()->Bytes(), h.model.SkinUp()->Bytes());
  EXPECT_EQ(loaded.SkinUp()->WidthHimetric(), 3175);
  EXPECT_FALSE(loaded.SkinOver()) << "none stays none";
  ASSERT_TRUE(loaded.SkinDown()) << "empty stays empty";
  EXPECT_EQ(loaded.SkinDown()->Handle(), 0u);

  PropertyBag again;
  loaded.WriteProperties(again, nullptr);
  EXPECT_EQ(again.ToText(), text);
}

TEST(PropertyBag, BadTextFormsAreRefusedWithTheLine) {
  struct Case {
    const char* text;
    ErrorNumber number;
    const wchar_t* mentions;
  } cases[] = {
      {"Caption = \"open", ErrorNumber::kInvalidCall, L"строка 1"},
      {"\nAppearance 2", ErrorNumber::kInvalidCall, L"строка 2"},
      {"Value = 99999999999", ErrorNumber::kOverflow, L"переполнение"},
      {"SkinUp = Picture(\"!!!!\")", ErrorNumber::kInvalidCall, L"повреждён"},
      {"SkinUp = Picture(\"QUJD\")", ErrorNumber::kInvalidCall, L"не распознан"},
      {"BackColor = &HZZ&", ErrorNumber::kInvalidCall, L"цвет"},
      {"Enabled = True False", ErrorNumber::kInvalidCall, L"лишние"},
      {"Font = Font(\"A\", -1, 400, False, False, False, 0)", ErrorNumber::kInvalidCall, L"шрифта"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      PropertyBag::FromText(c.text, DecodeFake);
      ADD_FAILURE() << "accepted";
    } catch (const ButtonExError& e) {
      EXPECT_EQ(e.Number(), c.number);
      EXPECT_NE(e.Message().find(c.mentions), std::wstring::npos);
    }
  }
}

}  // namespace
}  // namespace discfront::buttonex
