#include "tools/ghdb/SampleSubjects.h"

#include <map>
#include <string>

#include "tools/ghdb/SampleSteps.h"

namespace ghdb::tool {

const std::vector<SampleSubjectType>& SampleSubjectTypes() {
    static const std::vector<SampleSubjectType> types = {
        {1,
         {
             {1,
              "道路交通",
              {"GH_ZGDZXX", "GH_CGDZXX", "GH_ZLZXX"},
              {{11, "道路红线", {"GH_DLHX", "GH_DLBX", "GH_DLJCK", "GH_DLZJ"}, {}}}},
             {2,
              "用地规划",
              {"GH_ZTGHYD"},
              {{21, "控制性详细规划", {"GH_KGDK", "GH_DKBMZJ", "GH_GGFWSS"}, {}},
               {22, "总体规划", {"GH_ZTGHYD", "GH_GHFWX", "GH_CSLX"}, {}}}},
             {3, "市政管线", {"GH_JSGX", "GH_YSGX", "GH_WSGX"}, {}},
         }},
        {2,
         {
             {4,
              "地形现状",
              {"XZ_JZW", "XZ_DGX", "XZ_GCD", "XZ_DMZJ"},
              {{41, "行政区划", {"XZ_QXJ", "XZ_JDJ"}, {}}}},
             {5, "影像", {"XZ_HKYX2023", "XZ_WXYX"}, {}},
             {6, "审批成果", {"SP_YDHX", "SP_GCXK"}, {}},
         }},
    };
    return types;
}

const SampleSubject& SampleCustomSubjects() {
    static const SampleSubject root = {
        -100,
        "我的专题",
        {},
        {{0, "近期道路", {"GH_DLHX", "XZ_JZW"}, {}}, {0, "在办审批", {"SP_YDHX", "SP_HXZJ"}, {}}}};
    return root;
}

const std::vector<SampleApplyClass>& SampleApplyClasses() {
    static const std::vector<SampleApplyClass> classes = {
        {"道路设计", {{"道路", true}, {"XZ_JZW", false}}},
        {"用地审查", {{"用地", true}, {"SP_YDHX", false}, {"XZ_QXJ", false}}},
    };
    return classes;
}

const std::vector<SampleSiteLocation>& SampleSiteLocations() {
    static const std::vector<SampleSiteLocation> locations = {
        {"道路", "主干道", "GH_ZGDZXX", "DLMC"},
        {"行政区", "区县", "XZ_QXJ", "XZQMC"},
        {"行政区", "街道", "XZ_JDJ", "XZQMC"},
    };
    return locations;
}

namespace {

class SubjectsBuilder {
public:
    explicit SubjectsBuilder(CBaseClassAccess& access) : access_(access) {}

    void Build() {
        FindLayersAndGroups();
        AddSubjects();
        AddApplyClasses();
        AddSiteLocations();
    }

private:
    void FindLayersAndGroups() {
        CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
        Expect(access_.GetKidLayers(-1, layers, ""), 2, "reading the layers");
        for (const CGISLayer* layer : layers) layerIds_[layer->LayerName.str()] = layer->LayerID;
    }

    long LayerId(const char* name) const {
        const auto found = layerIds_.find(name);
        if (found == layerIds_.end()) throw StepFailed{"finding " + Named("layer", name)};
        return found->second;
    }

    long GroupId(const char* name) {
        CGISLayerGroup group;
        Expect(access_.GetLayerGroupInfo(CString(name), group), 2,
               "finding " + Named("layer group", name));
        return group.LayerGroupID;
    }

    void AddSubjects() {
        for (const SampleSubjectType& type : SampleSubjectTypes()) {
            CArray<long, long> filed;
            for (const SampleSubject& subject : type.subjects) {
                AddSubject(subject, type.type, -1);
                filed.Add(subject.id);
            }
            Expect(access_.EditSubjectsOfClass(type.type, filed), 2,
                   "filing the subjects of type " + std::to_string(type.type));
        }
        const SampleSubject& root = SampleCustomSubjects();
        const long rootId = AddCustomSubject(root, -1, 0);
        long order = 0;
        for (const SampleSubject& kid : root.kids) AddCustomSubject(kid, rootId, order++);
    }

    void AddSubject(const SampleSubject& plan, long type, long parentId) {
        CGISDefaultSubject subject;
        subject.SubjectType = type;
        subject.SubjectID = plan.id;
        subject.SubjectName = plan.name;
        subject.ParentID = parentId;
        Expect(access_.AddDefaultSubject(subject), 2, "adding " + Named("subject", plan.name));
        AssignLayers(plan, subject.SubjectID);
        for (const SampleSubject& kid : plan.kids) AddSubject(kid, type, subject.SubjectID);
    }

    // The root keeps its id; the others get the next custom id. Returns the id.
    long AddCustomSubject(const SampleSubject& plan, long parentId, long order) {
        CGISDefaultSubject subject;
        subject.SubjectID = plan.id;
        subject.SubjectName = plan.name;
        subject.ParentID = parentId;
        subject.OrderIndex = order;
        Expect(access_.AddDefaultSubjectOfCustom(subject, plan.id == 0 ? 1 : 0), 2,
               "adding " + Named("custom subject", plan.name));
        AssignLayers(plan, subject.SubjectID);
        return subject.SubjectID;
    }

    void AssignLayers(const SampleSubject& plan, long subjectId) {
        if (plan.layers.empty()) return;
        CArray<long, long> layers;
        for (const char* name : plan.layers) layers.Add(LayerId(name));
        Expect(access_.SetSubjectLayers(subjectId, layers), 2,
               "assigning the layers of " + Named("subject", plan.name));
    }

    void AddApplyClasses() {
        for (const SampleApplyClass& plan : SampleApplyClasses()) {
            CGISApplyClass applyClass;
            applyClass.ApplyClassID = kSampleApplyClassID;
            applyClass.ApplyClassName = plan.name;
            for (const SampleApplyMember& member : plan.members) {
                CGISApplyClassData data;
                data.ApplyClassID = kSampleApplyClassID;
                data.ApplyClassName = plan.name;
                data.DataObjectType = member.isGroup ? 1 : 0;
                data.DataObjectID = member.isGroup ? GroupId(member.name) : LayerId(member.name);
                applyClass.ApplyClassData.Add(data);
            }
            Expect(access_.AddGISApplyClass(applyClass), 2,
                   "adding " + Named("application class", plan.name));
        }
    }

    void AddSiteLocations() {
        CArray<CGISSiteLocation, CGISSiteLocation&> locations;
        for (const SampleSiteLocation& plan : SampleSiteLocations()) {
            CGISSiteLocation location;
            location.LocationName = plan.location;
            location.SubLocationName = plan.subLocation;
            location.LayerID = LayerId(plan.layer);
            location.FieldName = plan.field;
            locations.Add(location);
        }
        Expect(access_.EditSiteLocations(locations), 2, "storing the site locations");
    }

    CBaseClassAccess& access_;
    // The ids of the sample's layers, by name.
    std::map<std::string, long> layerIds_;
};

}  // namespace

void AddSampleSubjects(CBaseClassAccess& access) {
    SubjectsBuilder(access).Build();
}

}  // namespace ghdb::tool
