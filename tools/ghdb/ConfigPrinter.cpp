#include "tools/ghdb/ConfigPrinter.h"

#include <map>
#include <string>
#include <unordered_set>
#include <vector>

namespace ghdb::tool {

namespace {

void WriteEntry(const CGHMainMenuItem& item, int depth, std::ostream& out) {
    out << std::string(static_cast<std::size_t>(depth) * 2, ' ');
    if (item.IsSeparator()) {
        out << "----\n";
        return;
    }
    out << item.ItemName.str();
    if (item.IsPopUpMenuItem())
        out << " >";
    else if (item.FunctionID >= 0)
        out << " (function " << item.FunctionID << ")";
    out << "\n";
}

class MenuWriter {
public:
    MenuWriter(const CArray<CGHMainMenuItem*, CGHMainMenuItem*>& items, std::ostream& out)
        : out_(out) {
        for (CGHMainMenuItem* item : items)
            kids_[item->CodeOfPopUpMenuItem().str()].push_back(item);
    }

    void Write() {
        WriteKids("", 0);
        // Entries under a code that no entry has were not reached from the top.
        for (const auto& [parentCode, kids] : kids_) {
            if (reached_.count(parentCode)) continue;
            for (const CGHMainMenuItem* kid : kids) {
                out_ << "(under missing entry '" << parentCode << "') ";
                WriteEntry(*kid, 0, out_);
            }
        }
    }

private:
    void WriteKids(const std::string& parentCode, int depth) {
        // A code shared by several entries opens its kids once.
        if (!reached_.insert(parentCode).second) return;
        const auto found = kids_.find(parentCode);
        if (found == kids_.end()) return;
        for (const CGHMainMenuItem* item : found->second) {
            WriteEntry(*item, depth, out_);
            if (!item->IsSeparator() && !item->TreeCode.IsEmpty())
                WriteKids(item->TreeCode.str(), depth + 1);
        }
    }

    std::ostream& out_;
    std::map<std::string, std::vector<const CGHMainMenuItem*>> kids_;
    std::unordered_set<std::string> reached_;
};

}  // namespace

bool WriteSettings(CBaseClassAccess& access, std::ostream& out) {
    CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
    const long status = access.GetConfigItems(items);
    for (const _tagCONFIGITEM& item : items)
        out << item.ConfigItemName.str() << " = " << item.ConfigItemValue.str() << "\n";
    return status > 0;
}

bool WriteMenuTree(CBaseClassAccess& access, std::ostream& out) {
    CAutoReleaseArray<CGHMainMenuItem*, CGHMainMenuItem*> items;
    const long status = access.GetAllMainMenuItem(items);
    MenuWriter(items, out).Write();
    return status > 0;
}

}  // namespace ghdb::tool
