#include "subjects/DefaultSubject.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "frame/BaseClassAccess.h"
#include "frame/Statement.h"

namespace ghdb {

using SubjectArray = CArray<CGISDefaultSubject, CGISDefaultSubject&>;

const ColumnTable<CGISDefaultSubject>& CGISDefaultSubject::Columns() {
    static const ColumnTable<CGISDefaultSubject> columns = {
        {"SubjectID", &CGISDefaultSubject::SubjectID},
        {"SubjectType", &CGISDefaultSubject::SubjectType},
        {"QueryLayer", &CGISDefaultSubject::QueryLayer},
        {"SubjectName", &CGISDefaultSubject::SubjectName},
        {"Remark", &CGISDefaultSubject::Remark},
        {"ParentID", &CGISDefaultSubject::ParentID},
        {"OrderIndex", &CGISDefaultSubject::OrderIndex},
    };
    return columns;
}

void CGISDefaultSubject::AfterUpdateNew(FieldsPtr& fields, _variant_t&) {
    ReadColumn(fields, "SubjectID", SubjectID);
}

namespace {

constexpr const char* kSelectOfId = "SELECT * FROM GHGIS_DefaultSubject WHERE (SubjectID = %d)";
constexpr const char* kDeleteOfId = "Delete FROM GHGIS_DefaultSubject WHERE (SubjectID = %d)";
constexpr const char* kSelectNone = "SELECT * FROM GHGIS_DefaultSubject WHERE (1=-1)";
constexpr const char* kSelectKids =
    "SELECT * FROM GHGIS_DefaultSubject WHERE (ParentID = %d) ORDER BY OrderIndex";
// The top-level subjects filed under a type, in the type's order, with the type of the filing.
constexpr const char* kSelectTopsOfType =
    "SELECT b.SubjectType AS SubjectType, a.SubjectID AS SubjectID, a.SubjectName AS "
    "SubjectName, a.QueryLayer AS QueryLayer, a.Remark AS Remark, a.ParentID AS ParentID, "
    "a.OrderIndex AS OrderIndex FROM GHGIS_DefaultSubject a INNER JOIN GHGIS_SubjectClass b ON "
    "a.SubjectID = b.SubjectID WHERE b.SubjectType = %d AND a.ParentID < 0 ORDER BY "
    "b.SubjectOrder ";
constexpr long kCustomRootId = -100;

// Appends a copy of `subject` (the array's Add takes only a modifiable element).
void AppendCopy(SubjectArray& out, const CGISDefaultSubject& subject) {
    const int at = out.GetSize();
    out.SetSize(at + 1);
    out[at] = subject;
}

long ReadSubjects(CRecordAccess& db, const CString& sql, SubjectArray& out) {
    CGISDefaultSubject working;
    return db.ReadAllAsValues(sql, working, out);
}

// The children of every subject of an array, each in sibling order (by OrderIndex, equal orders
// in array order), so that walking down the tree costs what it appends.
class SubjectTree {
public:
    explicit SubjectTree(const SubjectArray& all) : all_(all), order_(all.GetSize()) {
        std::iota(order_.begin(), order_.end(), 0);
        std::stable_sort(order_.begin(), order_.end(), [&all](int a, int b) {
            return std::pair(all[a].ParentID, all[a].OrderIndex) <
                   std::pair(all[b].ParentID, all[b].OrderIndex);
        });
        for (std::size_t first = 0; first < order_.size();) {
            const long parent = all[order_[first]].ParentID;
            std::size_t last = first + 1;
            while (last < order_.size() && all[order_[last]].ParentID == parent) ++last;
            kids_.emplace(parent, std::pair(first, last));
            first = last;
        }
    }

    // Which subjects a walk leaves unexpanded when it meets them again.
    enum class Revisit {
        // Those it is expanding (a loop of parent links); elsewhere a subject is expanded as
        // often as it is met.
        Loops,
        // Every subject expanded before by any walk sharing `entered`, for results whose
        // repeats are removed afterwards: walking a subject again would only add repeats.
        Any,
    };

    // Appends the descendants of `id`: its children, then the descendants of each child in
    // sibling order.
    void AppendDescendants(long id, SubjectArray& out, std::unordered_set<long>& entered,
                           Revisit revisit) const {
        struct Frame {
            long id;
            std::size_t next, last;
        };
        std::vector<Frame> path;
        const auto enter = [&](long subject) {
            if (!entered.insert(subject).second) return;
            const auto found = kids_.find(subject);
            const auto [first, last] =
                found == kids_.end() ? std::pair<std::size_t, std::size_t>() : found->second;
            for (std::size_t k = first; k < last; ++k) AppendCopy(out, all_[order_[k]]);
            path.push_back({subject, first, last});
        };
        enter(id);
        while (!path.empty()) {
            Frame& top = path.back();
            if (top.next == top.last) {
                if (revisit == Revisit::Loops) entered.erase(top.id);
                path.pop_back();
                continue;
            }
            enter(all_[order_[top.next++]].SubjectID);
        }
    }

private:
    const SubjectArray& all_;
    // Indexes into all_, by parent and sibling order; each parent's children are a range.
    std::vector<int> order_;
    std::unordered_map<long, std::pair<std::size_t, std::size_t>> kids_;
};

}  // namespace

long CGISDefaultSubject::GetKidSubjects(const SubjectArray& all, SubjectArray& out) const {
    for (const CGISDefaultSubject& subject : all)
        if (subject.ParentID == SubjectID) AppendCopy(out, subject);
    std::stable_sort(out.begin(), out.end(),
                     [](const auto& a, const auto& b) { return a.OrderIndex < b.OrderIndex; });
    return 0;
}

long CGISDefaultSubject::GetKidSubjectRec(const SubjectArray& all, SubjectArray& out) const {
    std::unordered_set<long> entered;
    SubjectTree(all).AppendDescendants(SubjectID, out, entered, SubjectTree::Revisit::Loops);
    return 0;
}

long CBaseClassAccess::GetDefaultSubject(CGISDefaultSubject& s) {
    return db_.ReadOneRecordInfo(FormatSql(kSelectOfId, s.SubjectID), &s);
}

long CBaseClassAccess::EditDefaultSubject(CGISDefaultSubject& s) {
    return EditDefaultSubject(s.SubjectID, s);
}

long CBaseClassAccess::EditDefaultSubject(long id, CGISDefaultSubject& s) {
    return db_.EditOneRecordInfo(FormatSql(kSelectOfId, id), &s);
}

long CBaseClassAccess::DeleteDefaultSubject(long id) {
    return db_.DeleteRecordInfo(FormatSql(kDeleteOfId, id));
}

long CBaseClassAccess::DeleteDefaultSubjectRecursive(long id) {
    return db_.RunCascade(CRecordAccess::CascadeStatus::LastStep, [&](auto& cascade) {
        // Depth first, children before their parent, each subject's layer assignments before
        // its row. A subject met again (a loop of parent links) is not entered twice.
        struct Frame {
            long id;
            SubjectArray kids;
            int next = 0;
        };
        std::unordered_set<long> entered{id};
        std::vector<Frame> path;
        const auto enter = [&](long subject) {
            path.push_back({subject, {}});
            GetKidSubjects(subject, path.back().kids);
        };
        enter(id);
        while (!path.empty()) {
            Frame& top = path.back();
            if (top.next < top.kids.GetSize()) {
                const long kid = top.kids[top.next++].SubjectID;
                if (entered.insert(kid).second) enter(kid);
                continue;
            }
            cascade.Note(DeleteSubjectLayers(top.id));
            cascade.Step(FormatSql(kDeleteOfId, top.id));
            path.pop_back();
        }
    });
}

long CBaseClassAccess::AddDefaultSubject(CGISDefaultSubject& s) {
    return db_.RunSerialised("GHGIS_DefaultSubject", [&] {
        s.OrderIndex = GetMaxOrderIndexOfSubject(s.ParentID);
        return db_.AddNewOneRecordInfo(kSelectNone, &s);
    });
}

long CBaseClassAccess::AddDefaultSubjectOfCustom(CGISDefaultSubject& s, int newId) {
    return db_.RunSerialised("GHGIS_DefaultSubject", [&] {
        if (newId != 0) s.SubjectID = GetMinIDOfAllSubjects();
        return db_.AddNewOneRecordInfo(kSelectNone, &s);
    });
}

long CBaseClassAccess::GetMaxOrderIndexOfSubject(long parentId) {
    long greatest = 0;
    const long status = db_.GetMaxFieldValueFromTable(
        FormatSql("SELECT MAX(OrderIndex) AS MaxValue FROM GHGIS_DefaultSubject WHERE (ParentID "
                  "= %d)",
                  parentId),
        greatest);
    return status == 2 ? greatest + 1 : 0;
}

long CBaseClassAccess::GetMinIDOfAllSubjects() {
    long least = 0;
    db_.GetMaxFieldValueFromTable(
        "SELECT MIN(SubjectID) AS MaxValue FROM GHGIS_DefaultSubject WHERE (1 = 1) ", least);
    // Ids from -99 to -1 are never handed out, and -100 is the custom root.
    return std::min(least, kCustomRootId) - 1;
}

long CBaseClassAccess::GetKidSubjects(long parentId, SubjectArray& out) {
    return ReadSubjects(db_, FormatSql(kSelectKids, parentId), out);
}

long CBaseClassAccess::GetLayerSubjects(long layerId, SubjectArray& out) {
    return ReadSubjects(db_,
                        FormatSql("SELECT a.* FROM GHGIS_DefaultSubject a INNER JOIN "
                                  "GHGIS_SubjectLayers b  ON a.SubjectID = b.subjectid  WHERE "
                                  "(layerid =%d) ",
                                  layerId),
                        out);
}

long CBaseClassAccess::GetLayerSubjects(long layerId, long subjectType, SubjectArray& out) {
    SubjectArray ofType;
    long status = GetAllDefaultSubject(subjectType, ofType, 1);
    if (status != 2) return status;
    SubjectArray holding;
    status = GetLayerSubjects(layerId, holding);
    if (status != 2) return status;
    // A subject of the type comes once per assignment of the layer to it.
    std::unordered_map<long, int> assignments;
    for (const CGISDefaultSubject& subject : holding) ++assignments[subject.SubjectID];
    for (CGISDefaultSubject& subject : ofType) {
        const auto found = assignments.find(subject.SubjectID);
        if (found == assignments.end()) continue;
        for (int i = 0; i < found->second; ++i) out.Add(subject);
    }
    return 2;
}

long CBaseClassAccess::GetAllDefaultSubject(long subjectType, SubjectArray& out, int withKids) {
    SubjectArray all;
    long status = ReadSubjects(db_, "SELECT * FROM GHGIS_DefaultSubject ", all);
    if (status != 2) return status;
    if (subjectType == -1) {
        out.Append(all);
        return 2;
    }
    status = ReadSubjects(db_, FormatSql(kSelectTopsOfType, subjectType), out);
    if (status != 2) return status;
    if (withKids != 0) {
        const SubjectTree tree(all);
        std::unordered_set<long> entered;
        // Descendants that hang under a custom subject have negative parents themselves and
        // are walked too, as the array grows.
        for (int i = 0; i < out.GetSize(); ++i)
            if (out[i].ParentID < 0)
                tree.AppendDescendants(out[i].SubjectID, out, entered, SubjectTree::Revisit::Any);
    }
    DeleteSameInDefaultSubjectArray(out);
    return 2;
}

long CBaseClassAccess::GetAllCustomSubject(SubjectArray& out, int withKids) {
    SubjectArray roots;
    long status = ReadSubjects(
        db_, FormatSql("SELECT * FROM GHGIS_DefaultSubject WHERE SubjectID = %d ", kCustomRootId),
        roots);
    if (status != 2) return status;
    out.Append(roots);
    if (withKids == 0) return 2;
    SubjectArray custom;
    status = ReadSubjects(db_, "SELECT * FROM GHGIS_DefaultSubject WHERE SubjectID < 0 ", custom);
    if (status != 2) return status;
    const SubjectTree tree(custom);
    for (const CGISDefaultSubject& root : roots) {
        if (root.ParentID >= 0) continue;
        std::unordered_set<long> entered;
        tree.AppendDescendants(root.SubjectID, out, entered, SubjectTree::Revisit::Loops);
    }
    return 2;
}

bool CBaseClassAccess::IsHasInDefaultSubjectArray(long id, CArray<long, long>& ids) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

void CBaseClassAccess::DeleteSameInDefaultSubjectArray(SubjectArray& subjects) {
    std::unordered_set<long> met;
    const auto kept = std::remove_if(subjects.begin(), subjects.end(), [&met](const auto& s) {
        return !met.insert(s.SubjectID).second;
    });
    subjects.SetSize(static_cast<int>(kept - subjects.begin()));
}

}  // namespace ghdb
