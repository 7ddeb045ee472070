#include "tools/ghdb/SubjectTreePrinter.h"

#include <set>
#include <string>
#include <unordered_set>

namespace ghdb::tool {

namespace {

using Subjects = CArray<CGISDefaultSubject, CGISDefaultSubject&>;

class SubjectTreeWriter {
public:
    SubjectTreeWriter(CBaseClassAccess& access, std::ostream& out) : access_(access), out_(out) {}

    bool Write() {
        Subjects all;
        Check(access_.GetAllDefaultSubject(-1, all, 0));
        std::set<long> types;
        for (const CGISDefaultSubject& subject : all)
            if (!subject.IsCustom()) types.insert(subject.SubjectType);
        for (long type : types) {
            Subjects tops;
            if (access_.GetAllDefaultSubject(type, tops, 0) != 2) continue;
            out_ << "subject type " << type << "\n";
            WriteSubjects(tops, 1);
        }
        Subjects roots;
        if (access_.GetAllCustomSubject(roots, 0) == 2) {
            out_ << "custom subjects\n";
            WriteSubjects(roots, 1);
        }
        return complete_;
    }

private:
    void Check(long status) {
        if (status < 0) complete_ = false;
    }

    void WriteSubjects(Subjects& subjects, int depth) {
        for (const CGISDefaultSubject& subject : subjects) WriteSubject(subject, depth);
    }

    void WriteSubject(const CGISDefaultSubject& subject, int depth) {
        const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
        out_ << indent << subject.SubjectName.str() << " (subject " << subject.SubjectID;
        if (!entered_.insert(subject.SubjectID).second) {
            out_ << " shown above: its parent links form a loop)\n";
            return;
        }
        out_ << ")";
        CGISLayerSet layers;
        Check(access_.GetSubjectLayers(subject.SubjectID, layers, 0));
        const char* separator = ": ";
        for (const CGISLayer* layer : layers) {
            const CString& name =
                layer->LayerAlias.IsEmpty() ? layer->LayerName : layer->LayerAlias;
            out_ << separator << name.str();
            separator = ", ";
        }
        out_ << "\n";
        Subjects kids;
        Check(access_.GetKidSubjects(subject.SubjectID, kids));
        WriteSubjects(kids, depth + 1);
    }

    CBaseClassAccess& access_;
    std::ostream& out_;
    std::unordered_set<long> entered_;
    bool complete_ = true;
};

}  // namespace

bool WriteSubjectTree(CBaseClassAccess& access, std::ostream& out) {
    return SubjectTreeWriter(access, out).Write();
}

}  // namespace ghdb::tool
