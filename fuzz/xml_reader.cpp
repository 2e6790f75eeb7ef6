// Reads arbitrary bytes as an XML document, fully and with partial loading, and exercises what
// was read: attribute lookups, loading and unloading of marked elements, saving and reading
// the saved text again. Nothing may crash, hang, leak or produce invalid UTF-8.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "report/variables.h"
#include "report/xml/attribute_text.h"
#include "report/xml/xml_document.h"

using namespace lumaro;

namespace {

std::vector<TfrxXMLItem*> allItems(TfrxXMLItem* root) {
    std::vector<TfrxXMLItem*> out{root}, pending{root};
    while (!pending.empty()) {
        TfrxXMLItem* item = pending.back();
        pending.pop_back();
        for (int i = 0; i < item->Count(); ++i) {
            out.push_back(item->Items(i));
            pending.push_back(item->Items(i));
        }
    }
    return out;
}

void useAttributes(const TfrxXMLItem& item) {
    CHECK(isValidUtf8(item.Name()) && isValidUtf8(item.Text()));
    try {
        CHECK(isValidUtf8(item.Prop("x")));
        AttributeScanner scan(item.Text());
        while (scan.next()) CHECK(isValidUtf8(UnescapeXML(scan.value())));
    } catch (const EConvertError&) {
        // a reference that is not a number
    }
}

// Whether writing and reading the subtree gives it back unchanged: the reader drops the space
// after a tag name and one before the '>', takes a final '/' as the end of an empty element,
// and removes ld="0" from elements with children (which can leave any of these behind).
bool roundTrips(TfrxXMLItem* root) {
    for (TfrxXMLItem* item : allItems(root)) {
        const std::string& t = item->Text();
        if (!t.empty() && (t.front() == ' ' || t.back() == ' ' || t.back() == '/')) return false;
        if (lowerCase(t).find("ld=\"0\"") != std::string::npos) return false;
    }
    return true;
}

std::string save(TfrxXMLDocument& doc, bool indent) {
    MemoryStream out;
    doc.SetAutoIndent(indent);
    doc.SaveToStream(out);
    CHECK(isValidUtf8(out.data()));
    return out.data();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);

    // Whole document.
    {
        TfrxXMLDocument doc;
        MemoryStream in(input);
        try {
            doc.LoadFromStream(in);
        } catch (const EFormatError&) {
            CHECK(doc.Root()->Count() == 0);
        }
        for (TfrxXMLItem* item : allItems(doc.Root())) useAttributes(*item);
        const std::string text = save(doc, size % 2 == 0);
        TfrxXMLDocument again;
        MemoryStream back(text);
        try {
            again.LoadFromStream(back);
        } catch (const EFormatError&) {
        }
        TfrxVariables vars;
        std::vector<std::string> errors;
        vars.ReadFromNode(*doc.Root(), &errors);
        MemoryStream varsOut;
        try {
            vars.SaveToStream(varsOut);
        } catch (const Exception&) {
        }
    }

    // Partial loading: load, unload and load again every marked element, then save.
    {
        TfrxXMLDocument doc;
        try {
            doc.LoadFromStream(std::make_unique<MemoryStream>(input), true);
        } catch (const EFormatError&) {
            return 0;
        }
        try {
            for (TfrxXMLItem* item : allItems(doc.Root())) {
                if (!item->Unloadable()) continue;
                doc.LoadItem(item);
                const bool stable = roundTrips(item);
                const std::string before = save(doc, false);
                doc.UnloadItem(item);
                CHECK(!item->Loaded() && item->Count() == 0);
                doc.LoadItem(item);
                CHECK(!stable || save(doc, false) == before);
                for (TfrxXMLItem* inner : allItems(item)) useAttributes(*inner);
            }
            save(doc, true);
        } catch (const EFormatError&) {
            // an element read back from the loaded stream can still be faulty
        }
    }
    return 0;
}
