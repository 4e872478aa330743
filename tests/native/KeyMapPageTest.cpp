// The key map page as the build draws it: a placeable Windows metafile whose
// headers must match its records, whose records must walk exactly to the end
// record, whose objects must fit the player's object table, and whose texts
// must carry the whole page. Texts are compared as Shift-JIS bytes, the
// encoding the literals here are compiled to.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr int kPageLeft = 6;
constexpr int kPageTop = 6;
constexpr int kPageRight = 3939;
constexpr int kPageBottom = 5576;
constexpr int kUnitsPerInch = 476;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kHeaderSize = 18;
constexpr std::size_t kRecordsStart = kPlaceableSize + kHeaderSize;

constexpr std::uint16_t kEof = 0x0000;
constexpr std::uint16_t kSetBkMode = 0x0102;
constexpr std::uint16_t kSelectObject = 0x012D;
constexpr std::uint16_t kSetTextAlign = 0x012E;
constexpr std::uint16_t kDeleteObject = 0x01F0;
constexpr std::uint16_t kSetTextColor = 0x0209;
constexpr std::uint16_t kSetWindowOrg = 0x020B;
constexpr std::uint16_t kSetWindowExt = 0x020C;
constexpr std::uint16_t kCreatePenIndirect = 0x02FA;
constexpr std::uint16_t kCreateFontIndirect = 0x02FB;
constexpr std::uint16_t kCreateBrushIndirect = 0x02FC;
constexpr std::uint16_t kPolygon = 0x0324;
constexpr std::uint16_t kRectangle = 0x041B;
constexpr std::uint16_t kTextOut = 0x0521;
constexpr std::uint16_t kExtTextOut = 0x0A32;

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xFFFFFF;

// The editor's key map, lowest key first: per octave C C# D D# E F F# G G# A A# B.
const std::string kKeyMap = "zsxdcvgbhnjm,l.;/q2w3e4rt6y7ui9o0p-@";

bool IsBlackKey(std::size_t key) {
  switch (key % 12) {
    case 1:
    case 3:
    case 6:
    case 8:
    case 10:
      return true;
    default:
      return false;
  }
}

Bytes ReadPage() {
  std::ifstream file(KEYMAP_WMF, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint16_t U16(const Bytes& data, std::size_t at) {
  return static_cast<std::uint16_t>(data.at(at) | data.at(at + 1) << 8);
}

int I16(const Bytes& data, std::size_t at) {
  return static_cast<std::int16_t>(U16(data, at));
}

std::uint32_t U32(const Bytes& data, std::size_t at) {
  return static_cast<std::uint32_t>(U16(data, at)) | static_cast<std::uint32_t>(U16(data, at + 2))
                                                         << 16;
}

std::string Chars(const Bytes& data, std::size_t at, std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += static_cast<char>(data.at(at + i));
  return text;
}

struct Record {
  std::size_t offset;  // of the record in the file
  std::uint32_t words;
  std::uint16_t function;
  std::size_t params;  // offset of the first parameter
  std::size_t paramBytes;
};

// The records from the first one up to and including the end record; fails the
// test when a size leaves the file or the end record is missing.
std::vector<Record> WalkRecords(const Bytes& data) {
  std::vector<Record> records;
  std::size_t at = kRecordsStart;
  while (at + 6 <= data.size()) {
    Record record{at, U32(data, at), U16(data, at + 4), at + 6, 0};
    EXPECT_GE(record.words, 3u) << "record at " << at;
    if (record.words < 3 || at + record.words * 2u > data.size()) {
      ADD_FAILURE() << "record at " << at << " runs past the end of the file";
      return records;
    }
    record.paramBytes = record.words * 2u - 6;
    records.push_back(record);
    at += record.words * 2u;
    if (record.function == kEof) return records;
  }
  ADD_FAILURE() << "no end record";
  return records;
}

struct Object {
  std::uint16_t kind;  // the create record's function
  std::uint32_t colour = 0;
  std::uint16_t style = 0;
  std::string face;
  int height = 0;
  std::uint8_t charset = 0;
};

struct Text {
  std::string text;
  int x, y;
  std::uint32_t colour;
  std::string face;
  int height;
};

struct Rect {
  int left, top, right, bottom;
  std::uint32_t fill;
};

// The page played through a simulated object table: what it draws and what
// the table had to hold.
struct Playback {
  std::vector<Text> texts;
  std::vector<Rect> rects;
  std::size_t created = 0;
  std::size_t peakSlots = 0;
  std::optional<int> windowOrgX, windowOrgY, windowExtX, windowExtY;
  int bkMode = 0;
  std::vector<std::string> problems;
};

Playback Play(const Bytes& data, const std::vector<Record>& records, std::size_t tableSize) {
  Playback play;
  std::vector<std::optional<Object>> table(tableSize);
  std::optional<std::size_t> font, brush, pen;
  std::uint32_t textColour = kBlack;

  auto problem = [&](const Record& r, const std::string& what) {
    play.problems.push_back("record at " + std::to_string(r.offset) + ": " + what);
  };
  auto create = [&](const Record& r, const Object& object) {
    ++play.created;
    auto free = std::find_if(table.begin(), table.end(), [](const auto& s) { return !s; });
    if (free == table.end()) return problem(r, "object table full");
    *free = object;
    auto used = static_cast<std::size_t>(
        std::count_if(table.begin(), table.end(), [](const auto& s) { return s.has_value(); }));
    play.peakSlots = std::max(play.peakSlots, used);
  };
  auto expectSize = [&](const Record& r, std::size_t paramBytes) {
    if (r.paramBytes != paramBytes) problem(r, "wrong size " + std::to_string(r.words));
  };
  auto colourAt = [&](std::size_t at) { return U32(data, at) & 0xFFFFFF; };
  auto addText = [&](const Record& r, std::string text, int x, int y) {
    if (!font) return problem(r, "text without a font");
    const Object& f = *table[*font];
    play.texts.push_back({std::move(text), x, y, textColour, f.face, f.height});
  };

  for (const Record& r : records) {
    const std::size_t p = r.params;
    switch (r.function) {
      case kEof:
        expectSize(r, 0);
        break;
      case kSetWindowOrg:
        expectSize(r, 4);
        play.windowOrgY = I16(data, p);
        play.windowOrgX = I16(data, p + 2);
        break;
      case kSetWindowExt:
        expectSize(r, 4);
        play.windowExtY = I16(data, p);
        play.windowExtX = I16(data, p + 2);
        break;
      case kSetBkMode:
        if (r.paramBytes < 2)
          problem(r, "short SetBkMode");
        else
          play.bkMode = U16(data, p);
        break;
      case kSetTextAlign:
        if (r.paramBytes < 2) problem(r, "short SetTextAlign");
        break;
      case kSetTextColor:
        expectSize(r, 4);
        textColour = colourAt(p);
        break;
      case kCreatePenIndirect:
        expectSize(r, 10);
        create(r, {r.function, colourAt(p + 6), U16(data, p), {}, 0, 0});
        break;
      case kCreateBrushIndirect:
        expectSize(r, 8);
        create(r, {r.function, colourAt(p + 2), U16(data, p), {}, 0, 0});
        break;
      case kCreateFontIndirect: {
        // LOGFONT: five 16-bit fields, eight bytes, then the whole face field.
        if (r.paramBytes != 18 + 32) {
          problem(r, "font record without the full 32-byte face field");
          break;
        }
        std::string face;
        for (std::size_t i = p + 18; i < p + 50 && data[i] != 0; ++i)
          face += static_cast<char>(data[i]);
        if (data[p + 49] != 0) problem(r, "face name not terminated");
        create(r, {r.function, 0, 0, face, -I16(data, p), data[p + 13]});
        break;
      }
      case kSelectObject:
      case kDeleteObject: {
        expectSize(r, 2);
        std::size_t slot = U16(data, p);
        if (slot >= table.size() || !table[slot]) {
          problem(r, "no object in slot " + std::to_string(slot));
          break;
        }
        if (r.function == kDeleteObject) {
          if (font == slot || brush == slot || pen == slot) problem(r, "deletes the object in use");
          table[slot].reset();
          break;
        }
        switch (table[slot]->kind) {
          case kCreateFontIndirect:
            font = slot;
            break;
          case kCreateBrushIndirect:
            brush = slot;
            break;
          default:
            pen = slot;
            break;
        }
        break;
      }
      case kRectangle:
        expectSize(r, 8);
        if (!brush || !pen)
          problem(r, "rectangle without pen and brush");
        else
          play.rects.push_back({I16(data, p + 6), I16(data, p + 4), I16(data, p + 2), I16(data, p),
                                table[*brush]->colour});
        break;
      case kPolygon: {
        std::size_t points = U16(data, p);
        expectSize(r, 2 + 4 * points);
        break;
      }
      case kTextOut: {
        std::size_t count = U16(data, p);
        std::size_t padded = (count + 1) / 2 * 2;
        expectSize(r, 2 + padded + 4);
        if (r.paramBytes != 2 + padded + 4) break;
        addText(r, Chars(data, p + 2, count), I16(data, p + 2 + padded + 2),
                I16(data, p + 2 + padded));
        break;
      }
      case kExtTextOut: {
        if (r.paramBytes < 8) {
          problem(r, "short ExtTextOut");
          break;
        }
        std::size_t count = U16(data, p + 4);
        std::size_t options = U16(data, p + 6);
        std::size_t text = p + 8 + ((options & 0x0006) != 0 ? 8 : 0);
        std::size_t padded = (count + 1) / 2 * 2;
        std::size_t used = text - p + padded;
        if (r.paramBytes != used && r.paramBytes != used + 2 * count) {
          problem(r, "wrong ExtTextOut size");
          break;
        }
        addText(r, Chars(data, text, count), I16(data, p + 2), I16(data, p));
        break;
      }
      default:
        problem(r, "unexpected record function " + std::to_string(r.function));
        break;
    }
  }
  return play;
}

class KeyMapPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = ReadPage();
    ASSERT_GT(data_.size(), kRecordsStart) << "cannot read " << KEYMAP_WMF;
    records_ = WalkRecords(data_);
    ASSERT_FALSE(records_.empty());
    play_ = Play(data_, records_, U16(data_, kPlaceableSize + 10));
  }

  std::vector<const Text*> TextsSaying(const std::string& text) const {
    std::vector<const Text*> found;
    for (const Text& t : play_.texts)
      if (t.text == text) found.push_back(&t);
    return found;
  }

  const Text* OnlyText(const std::string& text) const {
    auto found = TextsSaying(text);
    EXPECT_EQ(found.size(), 1u) << "times the page says \"" << text << "\"";
    return found.size() == 1 ? found[0] : nullptr;
  }

  Bytes data_;
  std::vector<Record> records_;
  Playback play_;
};

TEST_F(KeyMapPageTest, PlaceableHeaderDescribesAnA4PortraitPage) {
  EXPECT_EQ(U32(data_, 0), kPlaceableKey);
  EXPECT_EQ(U16(data_, 4), 0) << "metafile handle";
  EXPECT_EQ(I16(data_, 6), kPageLeft);
  EXPECT_EQ(I16(data_, 8), kPageTop);
  EXPECT_EQ(I16(data_, 10), kPageRight);
  EXPECT_EQ(I16(data_, 12), kPageBottom);
  EXPECT_EQ(U16(data_, 14), kUnitsPerInch);
  EXPECT_EQ(U32(data_, 16), 0u) << "reserved";
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2) checksum ^= U16(data_, at);
  EXPECT_EQ(U16(data_, 20), checksum);
}

TEST_F(KeyMapPageTest, MetaHeaderMatchesTheRecords) {
  const std::size_t h = kPlaceableSize;
  EXPECT_EQ(U16(data_, h), 1) << "memory metafile";
  EXPECT_EQ(U16(data_, h + 2), 9) << "header words";
  EXPECT_EQ(U16(data_, h + 4), 0x0300) << "version";
  EXPECT_EQ(U32(data_, h + 6) * 2u, data_.size() - kPlaceableSize) << "file size in words";
  std::uint32_t largest = 0;
  for (const Record& r : records_) largest = std::max(largest, r.words);
  EXPECT_EQ(U32(data_, h + 12), largest) << "largest record";
  EXPECT_EQ(U16(data_, h + 16), 0) << "parameters";
}

TEST_F(KeyMapPageTest, RecordsWalkExactlyToTheEndRecord) {
  const Record& last = records_.back();
  EXPECT_EQ(last.function, kEof);
  EXPECT_EQ(last.words, 3u);
  EXPECT_EQ(last.offset + 6, data_.size()) << "bytes after the end record";
  EXPECT_GT(records_.size(), 100u);
}

TEST_F(KeyMapPageTest, RecordsAreWellFormedAndObjectsFitTheTable) {
  for (const std::string& problem : play_.problems) ADD_FAILURE() << problem;
  std::size_t tableSize = U16(data_, kPlaceableSize + 10);
  EXPECT_GE(tableSize, play_.peakSlots);
  EXPECT_EQ(tableSize, play_.peakSlots) << "the table is no larger than the page needs";
  EXPECT_LE(tableSize, 8u) << "objects are deleted or reused";
  EXPECT_GE(play_.created, tableSize);
}

TEST_F(KeyMapPageTest, WindowMapsTheBoundingBoxAndTextIsTransparent) {
  EXPECT_EQ(play_.windowOrgX, kPageLeft);
  EXPECT_EQ(play_.windowOrgY, kPageTop);
  EXPECT_EQ(play_.windowExtX, kPageRight - kPageLeft);
  EXPECT_EQ(play_.windowExtY, kPageBottom - kPageTop);
  EXPECT_EQ(play_.bkMode, 1) << "TRANSPARENT";
  for (const Rect& r : play_.rects) {
    EXPECT_GE(r.left, kPageLeft);
    EXPECT_GE(r.top, kPageTop);
    EXPECT_LE(r.right, kPageRight);
    EXPECT_LE(r.bottom, kPageBottom);
  }
  for (const Text& t : play_.texts) {
    EXPECT_GT(t.x, kPageLeft) << t.text;
    EXPECT_GT(t.y, kPageTop) << t.text;
    EXPECT_LT(t.x, kPageRight) << t.text;
    EXPECT_LT(t.y, kPageBottom) << t.text;
  }
}

TEST_F(KeyMapPageTest, JapaneseTextsComeInOrderInTheGothicFace) {
  const std::string gothic = "ＭＳ ゴシック";
  const std::vector<std::string> lines = {
      "Melopadキーボード入力一覧表",
      "Melopadでは編集作業をPCのキーボードで操作するためにキーに役割が割り当てられています。",
      "以下のキーを使用するときは音符リスト(中央のオレンジ色部)に入力フォーカスを移してから",
      "行ってください。",
      "ノート入力一覧表",
      "その他操作",
      "休符の挿入",
      "再生",
      "一つ長い音符",
      "一つ短い音符",
  };
  int previousY = 0;
  for (const std::string& line : lines) {
    const Text* text = OnlyText(line);
    if (!text) continue;
    EXPECT_EQ(text->face, gothic) << line;
    EXPECT_GT(text->y, previousY) << line << " comes below the text before it";
    previousY = text->y;
  }
  const Text* title = OnlyText(lines[0]);
  const Text* body = OnlyText(lines[1]);
  ASSERT_TRUE(title && body);
  EXPECT_GT(title->height, body->height);
  EXPECT_GE(body->height, 50);

  // The Japanese face is declared with the Shift-JIS character set.
  for (const Record& r : records_) {
    if (r.function != kCreateFontIndirect || r.paramBytes < 50) continue;
    std::string face = Chars(data_, r.params + 18, gothic.size());
    if (face == gothic) {
      EXPECT_EQ(data_[r.params + 13], 128) << "SHIFTJIS_CHARSET";
    }
  }
}

TEST_F(KeyMapPageTest, EachOperationStandsOnOneLineWithItsKey) {
  const std::vector<std::pair<std::string, std::string>> operations = {
      {"休符の挿入", "[space]"},
      {"再生", "[a] or [P(shift+p)]"},
      {"一つ長い音符", "[>(shift+.)]"},
      {"一つ短い音符", "[<(shift+,)]"},
  };
  const Text* heading = OnlyText("その他操作");
  for (const auto& [operation, key] : operations) {
    const Text* name = OnlyText(operation);
    const Text* keys = OnlyText(key);
    if (!name || !keys) continue;
    EXPECT_EQ(keys->y, name->y) << operation;
    EXPECT_GT(keys->x, name->x) << operation;
    if (heading) {
      EXPECT_GT(name->y, heading->y) << operation;
    }
  }
}

TEST_F(KeyMapPageTest, EveryKeyLetterIsWrittenOnItsPianoKey) {
  const Text* heading = OnlyText("ノート入力一覧表");
  const Text* others = OnlyText("その他操作");
  ASSERT_TRUE(heading && others);
  std::vector<const Text*> letters;
  for (std::size_t key = 0; key < kKeyMap.size(); ++key) {
    const std::string letter(1, kKeyMap[key]);
    // Letters and operations may share characters; the key's own text is the
    // one drawn between the two headings.
    const Text* found = nullptr;
    for (const Text* t : TextsSaying(letter))
      if (t->y > heading->y && t->y < others->y) {
        EXPECT_EQ(found, nullptr) << "key letter " << letter << " drawn twice";
        found = t;
      }
    ASSERT_NE(found, nullptr) << "key letter " << letter;
    letters.push_back(found);
    EXPECT_EQ(found->face, "Arial Black") << letter;

    // The topmost rectangle under the letter is its key: black keys are
    // filled black and lettered white, white keys the other way round.
    const Rect* under = nullptr;
    for (const Rect& r : play_.rects)
      if (found->x > r.left && found->x < r.right && found->y > r.top && found->y < r.bottom)
        under = &r;
    ASSERT_NE(under, nullptr) << "no key under " << letter;
    EXPECT_EQ(under->fill, IsBlackKey(key) ? kBlack : kWhite) << letter;
    EXPECT_EQ(found->colour, IsBlackKey(key) ? kWhite : kBlack) << letter;
  }

  // Two drawings: keys 0 to 23 (two octaves) above keys 24 to 35 (one octave),
  // each running left to right from its lowest key.
  for (std::size_t key = 0; key + 1 < letters.size(); ++key) {
    if (key + 1 == 24) continue;
    EXPECT_LT(letters[key]->x, letters[key + 1]->x) << "key " << key;
  }
  int firstBottom = 0;
  for (std::size_t key = 0; key < 24; ++key) firstBottom = std::max(firstBottom, letters[key]->y);
  for (std::size_t key = 24; key < 36; ++key)
    EXPECT_GT(letters[key]->y, firstBottom) << "key " << key;
}

TEST_F(KeyMapPageTest, BrandNameStandsAtTheFootOnTheRight) {
  const Text* brand = OnlyText("B r i g h t l a r k");
  ASSERT_NE(brand, nullptr);
  int lowest = 0;
  for (const Text& t : play_.texts)
    if (&t != brand) lowest = std::max(lowest, t.y);
  EXPECT_GT(brand->y, lowest);
  EXPECT_GT(brand->y, (kPageTop + kPageBottom) * 3 / 4);
  EXPECT_GT(brand->x, (kPageLeft + kPageRight) / 2);
}

}  // namespace
