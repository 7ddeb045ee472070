#include "tools/ghdb/CadPrinter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace ghdb::tool {

namespace {

class CadWriter {
public:
    CadWriter(CBaseClassAccess& access, std::ostream& out) : access_(access), out_(out) {}

    bool Write() {
        WriteFonts();
        WriteFiles<CCADLineStyle>("line types", &CBaseClassAccess::GetCADLineStyleFiles,
                                  &CBaseClassAccess::GetCADLineStylesOfFile);
        WriteFiles<CCADBlockName>("blocks", &CBaseClassAccess::GetCADBlockFiles,
                                  &CBaseClassAccess::GetCADBlockNamesOfFile);
        WriteBaseMaps();
        return complete_;
    }

private:
    void Check(long status) {
        if (status < 0) complete_ = false;
    }

    void WriteFonts() {
        CArray<CCADFontStyle, CCADFontStyle&> fonts;
        Check(access_.GetCADFontStyles(fonts));
        out_ << "font styles (" << fonts.GetSize() << ")\n";
        for (const CCADFontStyle& font : fonts) {
            out_ << "  " << font.StyleName.str() << ": " << font.FileName.str();
            if (!font.BigFontFileName.IsEmpty())
                out_ << ", big font " << font.BigFontFileName.str();
            out_ << "\n";
        }
    }

    template <class Entry>
    void WriteFiles(const char* title, long (CBaseClassAccess::*files)(CStringArray&),
                    long (CBaseClassAccess::*ofFile)(CString, CArray<Entry, Entry&>&)) {
        CStringArray names;
        Check((access_.*files)(names));
        std::vector<std::string> sorted;
        for (const CString& name : names) sorted.push_back(name.str());
        std::ranges::sort(sorted);
        out_ << title << " (" << sorted.size() << (sorted.size() == 1 ? " file)\n" : " files)\n");
        for (const std::string& file : sorted) {
            CArray<Entry, Entry&> entries;
            Check((access_.*ofFile)(file.c_str(), entries));
            out_ << "  " << file << ":";
            for (int i = 0; i < entries.GetSize(); ++i)
                out_ << (i ? ", " : " ") << entries[i].Name.str();
            out_ << "\n";
        }
    }

    void WriteBaseMaps() {
        CAutoReleaseArray<CKGBaseMap*, CKGBaseMap*&> groups;
        Check(access_.GetAllBaseMapGroup(groups));
        out_ << "base-map groups (" << groups.GetSize() << ")\n";
        for (const CKGBaseMap* group : groups) {
            CAutoReleaseArray<CKGMapWidthIndex*, CKGMapWidthIndex*&> sheets;
            Check(access_.GetKidsMapWidthIndex(group->SpatialIndexId, sheets));
            out_ << "  " << group->GroupID << " " << group->GroupName.str() << " 1:" << group->Scale
                 << " " << group->Type.str() << ", tables " << group->TableName.str() << " and "
                 << group->HisTableName.str() << ", " << sheets.GetSize()
                 << (sheets.GetSize() == 1 ? " sheet\n" : " sheets\n");
        }
    }

    CBaseClassAccess& access_;
    std::ostream& out_;
    bool complete_ = true;
};

}  // namespace

bool WriteCadResources(CBaseClassAccess& access, std::ostream& out) {
    return CadWriter(access, out).Write();
}

}  // namespace ghdb::tool
