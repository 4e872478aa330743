#include "toolkit/Metafile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/wine/support/ErrorMessage.h"
#include "tests/wine/support/Picture.h"
#include "tests/wine/support/PictureFiles.h"
#include "tests/wine/support/WindowTest.h"
#include "toolkit/Form.h"
#include "toolkit/MetafileImage.h"

namespace {

using testing_support::Picture;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A metafile that fills its whole bounding box with red.
std::vector<std::uint8_t> RedBox(const RECT& box) {
  return testing_support::RedPlaceableMetafile(box);
}

TEST(Metafile, PlaysItsBoundingBoxStretchedOntoTheTarget) {
  const toolkit::Metafile picture =
      toolkit::Metafile::FromPlaceableBytes(RedBox({50, 20, 150, 220}));
  const RECT& bounds = picture.Bounds();
  EXPECT_EQ(bounds.left, 50);
  EXPECT_EQ(bounds.bottom, 220);
  const Picture drawn(60, 60, [&picture](HDC dc) { picture.Play(dc, {10, 20, 50, 40}); });
  // Inside the target up to a pixel from its edges, and not beyond them.
  EXPECT_EQ(drawn.At(10, 20), kRed) << "top left of the target";
  EXPECT_EQ(drawn.At(48, 38), kRed) << "bottom right of the target";
  EXPECT_EQ(drawn.At(9, 30), kWhite) << "left of the target";
  EXPECT_EQ(drawn.At(30, 19), kWhite) << "above the target";
  EXPECT_EQ(drawn.At(50, 30), kWhite) << "right of the target";
  EXPECT_EQ(drawn.At(30, 40), kWhite) << "below the target";
}

TEST(Metafile, AContextThatIsAlreadyOffsetKeepsItsOffset) {
  const toolkit::Metafile picture = toolkit::Metafile::FromPlaceableBytes(RedBox({0, 0, 100, 100}));
  const Picture drawn(60, 60, [&picture](HDC dc) {
    ::SetViewportOrgEx(dc, 20, 20, nullptr);
    picture.Play(dc, {0, 0, 10, 10});
  });
  EXPECT_EQ(drawn.At(25, 25), kRed);
  EXPECT_EQ(drawn.At(5, 5), kWhite);
}

TEST(Metafile, AnEmptyTargetShowsNothing) {
  const toolkit::Metafile picture = toolkit::Metafile::FromPlaceableBytes(RedBox({0, 0, 10, 10}));
  const Picture drawn(20, 20, [&picture](HDC dc) { picture.Play(dc, {5, 5, 5, 15}); });
  EXPECT_FALSE(drawn.Has(kRed, {0, 0, 20, 20}));
}

TEST(Metafile, RefusesWhatIsNotAPlaceableMetafile) {
  std::vector<std::uint8_t> wrongKey = RedBox({0, 0, 10, 10});
  wrongKey[0] ^= 1;
  std::vector<std::uint8_t> wrongChecksum = RedBox({0, 0, 10, 10});
  wrongChecksum[20] ^= 1;
  const std::vector<std::uint8_t> whole = RedBox({0, 0, 10, 10});
  const std::vector<std::uint8_t> headerOnly(whole.begin(), whole.begin() + 22);
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    const char* error;
  } cases[] = {
      {"nothing", {}, "not a placeable metafile"},
      {"only a header", headerOnly, "not a placeable metafile"},
      {"a wrong key", wrongKey, "not a placeable metafile"},
      {"a wrong checksum", wrongChecksum, "not a placeable metafile"},
      {"an empty box", RedBox({10, 10, 10, 40}), "metafile with an empty bounding box"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(
        testing_support::ErrorMessageOf([&c] { toolkit::Metafile::FromPlaceableBytes(c.bytes); }),
        c.error)
        << c.what;
  }
}

TEST(Metafile, AMissingResourceIsAnError) {
  EXPECT_EQ(testing_support::ErrorMessageOf([] { toolkit::Metafile::FromResource(L"NOSUCH"); }),
            "missing metafile resource NOSUCH");
}

TEST(Metafile, ACopyIsAPictureOfItsOwnThatOutlivesTheOriginal) {
  std::optional<toolkit::Metafile> original =
      toolkit::Metafile::FromPlaceableBytes(RedBox({0, 0, 10, 10}));
  const HMETAFILE originalHandle = original->Handle();
  const toolkit::Metafile copy = original->Copy();
  EXPECT_NE(copy.Handle(), originalHandle);
  original.reset();
  EXPECT_EQ(::GetObjectType(originalHandle), 0U) << "the original is freed with its owner";
  const Picture drawn(10, 10, [&copy](HDC dc) { copy.Play(dc, {0, 0, 10, 10}); });
  EXPECT_EQ(drawn.At(5, 5), kRed);
}

class MetafileImageTest : public testing_support::WindowTest {};

toolkit::FormDesign ImageDesign() {
  toolkit::FormDesign design;
  design.caption = "図";
  design.clientWidth = 200;
  design.clientHeight = 200;
  return design;
}

class ImageForm : public toolkit::Form {
 public:
  ImageForm() : Form(ImageDesign()) { PlaceControls({{Display, {10, 10, 80, 40}}}); }
  toolkit::MetafileImage Display;
};

Picture DrawnBy(const toolkit::Window& control) {
  const toolkit::Rect size = control.ClientRect();
  return Picture(size.width, size.height, [&control](HDC dc) {
    ::SendMessageW(control.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

TEST_F(MetafileImageTest, StretchesItsOwnCopyOfThePictureOverItsWholeArea) {
  ImageForm form;
  form.Show();
  {
    const toolkit::Metafile handedOver =
        toolkit::Metafile::FromPlaceableBytes(RedBox({0, 0, 300, 100}));
    form.Display.SetPicture(handedOver);
  }
  for (const toolkit::Rect& bounds :
       {toolkit::Rect{10, 10, 80, 40}, toolkit::Rect{0, 0, 150, 190}}) {
    form.Display.SetBounds(bounds);
    const Picture drawn = DrawnBy(form.Display);
    const std::string what = std::to_string(bounds.width) + " x " + std::to_string(bounds.height);
    EXPECT_EQ(drawn.At(0, 0), kRed) << what;
    EXPECT_EQ(drawn.At(bounds.width - 2, bounds.height - 2), kRed) << what;
    EXPECT_EQ(drawn.At(bounds.width / 2, bounds.height / 2), kRed) << what;
  }
}

}  // namespace
