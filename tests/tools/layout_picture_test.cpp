#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <libxml/xpathInternals.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "action_labels.h"
#include "drawn_layout.h"
#include "kept_byte.h"
#include "key_labels.h"
#include "key_labels_test_env.h"
#include "keys/keyboard_layout.h"
#include "layout_picture.h"
#include "output_file.h"
#include "support/fake_platform.h"

namespace dk::check {
namespace {

// The picture as a real XML parser reads it: per key, the action labels it carries.
struct Picture {
    std::map<std::string, std::vector<std::string>> labelsByKey;  // "key-57" -> {"Use", "Climb", ...}
    std::map<std::string, std::string> classByKey;
    std::map<std::string, std::string> legendByKey;  // "key-17" -> "W": what the keycap says
    std::map<std::string, std::string> notes;  // group id under the drawing -> all its text
    std::set<std::string> elementNames;
    std::string title;
};

std::string Content(xmlNodePtr node) {
    xmlChar* text = xmlNodeGetContent(node);
    std::string content = text ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    return content;
}

std::string Attribute(xmlNodePtr node, const char* name) {
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

std::vector<xmlNodePtr> Select(xmlXPathContextPtr context, const char* path, xmlNodePtr from = nullptr) {
    if (from) context->node = from;
    std::vector<xmlNodePtr> nodes;
    xmlXPathObjectPtr result = xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(path), context);
    if (result && result->nodesetval) {
        for (int i = 0; i < result->nodesetval->nodeNr; ++i) nodes.push_back(result->nodesetval->nodeTab[i]);
    }
    xmlXPathFreeObject(result);
    return nodes;
}

void CollectNames(xmlNodePtr node, std::set<std::string>& names) {
    for (; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) continue;
        names.insert(reinterpret_cast<const char*>(node->name));
        CollectNames(node->children, names);
    }
}

// Fails the test when the bytes are not well-formed XML with an SVG 1.1 root.
Picture Parse(const std::string& svg) {
    Picture picture;
    std::unique_ptr<xmlDoc, void (*)(xmlDocPtr)> document(
        xmlReadMemory(svg.data(), static_cast<int>(svg.size()), "picture.svg", "UTF-8", XML_PARSE_NONET),
        xmlFreeDoc);
    EXPECT_TRUE(document) << "not well-formed XML";
    if (!document) return picture;
    xmlNodePtr root = xmlDocGetRootElement(document.get());
    EXPECT_STREQ(reinterpret_cast<const char*>(root->name), "svg");
    EXPECT_EQ(Attribute(root, "version"), "1.1");
    std::unique_ptr<xmlXPathContext, void (*)(xmlXPathContextPtr)> context(xmlXPathNewContext(document.get()),
                                                                           xmlXPathFreeContext);
    xmlXPathRegisterNs(context.get(), reinterpret_cast<const xmlChar*>("s"),
                       reinterpret_cast<const xmlChar*>("http://www.w3.org/2000/svg"));
    for (xmlNodePtr key : Select(context.get(), "//s:g[starts-with(@id, 'key-')]")) {
        const std::string id = Attribute(key, "id");
        picture.classByKey[id] = Attribute(key, "class");
        for (xmlNodePtr legend : Select(context.get(), "s:text[@class='legend']", key)) {
            picture.legendByKey[id] = Content(legend);
        }
        for (xmlNodePtr label : Select(context.get(), "s:text[contains(@class, 'act')]", key)) {
            picture.labelsByKey[id].push_back(Content(label));
        }
    }
    const char* notes = "//s:g[@id='unbound' or @id='unplaced' or @id='crowded' or @id='labels']";
    for (xmlNodePtr note : Select(context.get(), notes)) {
        picture.notes[Attribute(note, "id")] = Content(note);
    }
    for (xmlNodePtr title : Select(context.get(), "/s:svg/s:title")) picture.title = Content(title);
    CollectNames(root, picture.elementNames);
    return picture;
}

std::string Note(const Picture& picture, const char* id) {
    const auto note = picture.notes.find(id);
    return note == picture.notes.end() ? "" : note->second;
}

std::string KeyId(KeyCode code) { return "key-" + std::to_string(KeptByte(code)); }

std::string Label(const DrawnAction& action, bool fromFile) {
    return std::string(ActionLabel(action.index)) + (fromFile && action.fromDefault ? "*" : "");
}

// Every action shows exactly once: on its key when the drawing has that key,
// else in the notes under the drawing; never on another key.
void ExpectEveryActionOnce(const DrawnLayout& layout, const Picture& picture) {
    const bool fromFile = !layout.sourceName.empty();
    for (const DrawnAction& action : layout.actions) {
        const std::string label = Label(action, fromFile);
        int onKeys = 0;
        for (const auto& [id, labels] : picture.labelsByKey) {
            const int here = static_cast<int>(std::count(labels.begin(), labels.end(), label));
            onKeys += here;
            if (here > 0) {
                EXPECT_EQ(id, KeyId(action.code)) << label;
            }
        }
        const std::string name = std::to_string(action.index) + " " + ActionName(action.index);
        if (KeptByte(action.code) == 0) {
            EXPECT_EQ(onKeys, 0) << label;
            EXPECT_NE(Note(picture, "unbound").find(name), std::string::npos) << name;
        } else if (picture.labelsByKey.count(KeyId(action.code)) || picture.classByKey.count(KeyId(action.code))) {
            EXPECT_EQ(onKeys, 1) << label << " on " << KeyId(action.code);
        } else {
            EXPECT_EQ(onKeys, 0) << label;
            EXPECT_NE(Note(picture, "unplaced").find(name), std::string::npos) << name;
        }
    }
}

std::vector<BindingLine> Read(const std::vector<std::string>& texts) {
    std::vector<BindingLine> lines;
    for (const std::string& text : texts) lines.push_back(ReadBindingLine(text));
    return lines;
}

TEST(LayoutPicture, DefaultLayoutShowsEveryActionOnItsKey) {
    const Picture picture = Parse(LayoutPicture(DefaultLayout()));
    ExpectEveryActionOnce(DefaultLayout(), picture);
    EXPECT_EQ(picture.labelsByKey.at("key-57"), (std::vector<std::string>{"Use", "Climb", "Crawl"}));
    EXPECT_NE(picture.classByKey.at("key-57").find("shared"), std::string::npos);
    EXPECT_EQ(picture.labelsByKey.at("key-222"), (std::vector<std::string>{"Punch", "Zoom out", "Execute"}));
    EXPECT_EQ(picture.classByKey.at("key-17"), "key bound");
    EXPECT_EQ(picture.classByKey.at("key-44"), "key");
    EXPECT_EQ(picture.notes.count("unplaced"), 0u);
    for (const char* active : {"script", "foreignObject", "image", "use", "a"}) {
        EXPECT_EQ(picture.elementNames.count(active), 0u) << active;
    }
}

TEST(LayoutPicture, EveryKeyOfAFullKeyboardAndEveryMouseButtonHasAPlace) {
    const Picture picture = Parse(LayoutPicture(DefaultLayout()));
    const KeyCode codes[] = {1,   28,  58,  69,  70,  86,  156, 157, 181, 183, 184, 197, 199, 200, 201,
                             203, 205, 207, 208, 209, 210, 211, 219, 220, 221, 42,  54,  29,  56,  87,
                             88,  82,  83,  MOUSE_LEFT, MOUSE_RIGHT, MOUSE_X1, MOUSE_X2, 222, 224};
    for (KeyCode code : codes) EXPECT_EQ(picture.classByKey.count(KeyId(code)), 1u) << code;
    EXPECT_EQ(picture.classByKey.size(), 105u + 4u);  // an ISO keyboard's 105 keys and four mouse buttons
}

struct FileCase {
    std::vector<std::string> lines;
    const char* key;                       // a key to look at
    std::vector<std::string> labelsOnKey;  // its labels, in order
    const char* unplaced;                  // text expected under the drawing, or null
};

TEST(LayoutPicture, FileLayoutShowsEveryActionOnceAndListsWhatHasNoPlace) {
    const FileCase cases[] = {
        // 222 and -34 are the same byte: one key, all three actions, file and default apart.
        {{"9=222", "53=MOUSE_LEFT"}, "key-222", {"Punch", "Zoom out*", "Execute"}, nullptr},
        // Typed numbers without a key: listed with their actions, never dropped.
        {{"17=999", "18=PRESS_A_KEY", "19=100"}, "key-17", {}, "999 (the game keeps byte 231): Forward (17 MOVE_FORWARD)"},
        {{"18=PRESS_A_KEY"}, "key-31", {}, "PRESS_A_KEY (-1) (the game keeps byte 255): Back (18 MOVE_BACKWARDS)"},
        // A code beyond one byte lands on the key the game sees; 256 is no key.
        {{"17=286", "18=256", "12=-100"}, "key-30", {"Forward", "Strafe left*"}, nullptr},
        // Five actions on one key: all shown, the key marked, and spelled out below.
        {{"0=W", "3=W", "4=W", "5=W", "7=W"}, "key-17", {"Use", "Reload", "Pick up", "Drop", "Hard punch", "Forward*"},
         nullptr},
        {{"29=86", "28=ENTER", "17=RETURN"}, "key-28", {"Forward", "Sneak"}, nullptr},
    };
    for (const FileCase& c : cases) {
        const DrawnLayout layout = LayoutFromFile(ResultingBindings(Read(c.lines)), "keys.ini");
        const Picture picture = Parse(LayoutPicture(layout));
        ExpectEveryActionOnce(layout, picture);
        const auto labels = picture.labelsByKey.find(c.key);
        EXPECT_EQ(labels == picture.labelsByKey.end() ? std::vector<std::string>{} : labels->second, c.labelsOnKey)
            << c.lines.front();
        if (c.labelsOnKey.size() > 1) {
            EXPECT_NE(picture.classByKey.at(c.key).find("shared"), std::string::npos);
        }
        if (c.unplaced) {
            EXPECT_NE(Note(picture, "unplaced").find(c.unplaced), std::string::npos) << c.lines.front();
        }
    }
}

TEST(LayoutPicture, AnyFileNameMakesWellFormedXml) {
    const DrawnLayout layout = LayoutFromFile(ResultingBindings({}), "a&b<\"c\xFF\x01\xE2\x82.ini");
    EXPECT_EQ(Parse(LayoutPicture(layout)).title,
              "DuskvaleKeys: the layout of a&b<\"c\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD.ini");
}

TEST(LayoutPicture, EveryActionHasItsOwnShortLabel) {
    std::set<std::string> labels;
    for (const CatalogueEntry& entry : ActionCatalogue) {
        EXPECT_STRNE(ActionLabel(entry.index), entry.name) << entry.name;
        EXPECT_TRUE(labels.insert(ActionLabel(entry.index)).second) << ActionLabel(entry.index);
    }
}

class KeyLabelsPicture : public KeyLabelsTest {};

struct LegendCase {
    KeyboardLayout layout;
    const char* layoutName;
    std::vector<std::pair<KeyCode, std::string>> legends;
    const char* tooltip;
};

TEST_F(KeyLabelsPicture, KeysCarryThePlayersLabelsAndSayWhose) {
    const LegendCase cases[] = {
        {fake::kAzertyLayout, "keyboard layout 040C040C",
         {{17, "Z"}, {30, "Q"}, {16, "A"}, {44, "W"}, {40, "\xC3\x99"}, {86, "<"}, {31, "S"}, {1, "Esc"},
          {28, "Enter"}},
         "<title>Z (17): 17 MOVE_FORWARD</title>"},
        {fake::kQwertzLayout, "keyboard layout 04070407",
         {{21, "Z"}, {44, "Y"}, {17, "W"}, {12, "\xC3\x9F"}, {43, "#"}, {57, "Space"}},
         "<title>W (17): 17 MOVE_FORWARD</title>"},
    };
    for (const LegendCase& c : cases) {
        Follow(c.layout);
        const std::string svg = LayoutPicture(DefaultLayout());
        const Picture picture = Parse(svg);
        for (const auto& [code, legend] : c.legends) EXPECT_EQ(picture.legendByKey.at(KeyId(code)), legend) << code;
        EXPECT_NE(svg.find(c.tooltip), std::string::npos) << c.layoutName;
        EXPECT_NE(Note(picture, "labels").find(c.layoutName), std::string::npos) << c.layoutName;
        EXPECT_NE(Note(picture, "labels").find("--layout us"), std::string::npos) << c.layoutName;
    }
}

// A US keyboard, and --layout us on any keyboard, draw the picture of US
// labels byte for byte: the one the release carries.
TEST_F(KeyLabelsPicture, UsKeyboardAndLayoutUsDrawTheUsPicture) {
    const DrawnLayout fromFile = LayoutFromFile(ResultingBindings(Read({"17=MINUS", "18=Z"})), "keys.ini");
    const std::string usDefault = LayoutPicture(DefaultLayout());
    const std::string usFile = LayoutPicture(fromFile);
    Follow(fake::kUsLayout);
    EXPECT_EQ(LayoutPicture(DefaultLayout()), usDefault);
    EXPECT_EQ(LayoutPicture(fromFile), usFile);

    ResetKeyboardLayout();
    windows->ownLayout = fake::kAzertyLayout;
    std::vector<std::string> arguments = {"dkcheck", "--layout", "us", "--svg", "out.svg", "--defaults"};
    bool usLabels = false;
    ASSERT_TRUE(TakeLayoutOption(arguments, usLabels));
    EXPECT_TRUE(usLabels);
    EXPECT_EQ(arguments, (std::vector<std::string>{"dkcheck", "--svg", "out.svg", "--defaults"}));
    LabelKeys(usLabels);
    EXPECT_EQ(LayoutPicture(DefaultLayout()), usDefault);
    EXPECT_EQ(LayoutPicture(fromFile), usFile);
}

TEST(LayoutOption, TakesOnlyUsAndLeavesThePicturesName) {
    struct Case {
        std::vector<std::string> arguments;
        bool accepted, usLabels;
        std::vector<std::string> left;
    };
    const Case cases[] = {
        {{"dkcheck", "keys.ini", "--layout", "us"}, true, true, {"dkcheck", "keys.ini"}},
        {{"dkcheck", "--svg", "--layout", "keys.ini"}, true, false, {"dkcheck", "--svg", "--layout", "keys.ini"}},
        {{"dkcheck", "keys.ini"}, true, false, {"dkcheck", "keys.ini"}},
        {{"dkcheck", "--layout", "fr", "keys.ini"}, false, false, {}},
        {{"dkcheck", "keys.ini", "--layout"}, false, false, {}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> arguments = c.arguments;
        bool usLabels = true;
        EXPECT_EQ(TakeLayoutOption(arguments, usLabels), c.accepted) << c.arguments[1];
        if (!c.accepted) continue;
        EXPECT_EQ(usLabels, c.usLabels) << c.arguments[1];
        EXPECT_EQ(arguments, c.left) << c.arguments[1];
    }
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return "(missing)";
    char buffer[256];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, count);
    std::fclose(file);
    return bytes;
}

TEST(PictureFile, ReplacesTheFileOrLeavesNothingBehind) {
    const std::string folder = ::testing::TempDir();
    const std::string path = folder + "picture_file_test.svg";
    std::string error;
    ASSERT_TRUE(WriteWholeFile(path, "old", error));
    ASSERT_TRUE(WriteWholeFile(path, "new", error));
    EXPECT_EQ(ReadAll(path), "new");
    EXPECT_EQ(ReadAll(path + ".part"), "(missing)");
    std::remove(path.c_str());

    EXPECT_FALSE(WriteWholeFile(folder + "no such folder/picture.svg", "x", error));
    EXPECT_FALSE(error.empty());
    // A folder in the way: the temporary file is written, cannot take its place, and is removed.
    EXPECT_FALSE(WriteWholeFile(folder, "x", error));
    EXPECT_EQ(ReadAll(folder + ".part"), "(missing)");
}

}  // namespace
}  // namespace dk::check
