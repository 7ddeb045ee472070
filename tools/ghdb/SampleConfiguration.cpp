#include "tools/ghdb/SampleConfiguration.h"

#include <map>

namespace ghdb::tool {

const std::vector<SampleSetting>& SampleSettings() {
    static const std::vector<SampleSetting> settings = {
        {"DefaultLayerScale", "500", "比例尺分母"},
        {"ArcSymbolPath", "\\\\planning-fs\\gis\\symbols", "符号库目录"},
        {"DWGSharedPath", "\\\\planning-fs\\dwg", "图纸共享目录"},
        {"MISConnectionString",
         "Provider=SQLOLEDB;Data Source=mis-db.planning.local;Initial Catalog=GHMIS;User "
         "ID=mis;Password=mis2023",
         "业务库连接"},
        {"ReliefMapConnectionString",
         "Provider=SQLOLEDB;Data Source=gis-sde.planning.local;Initial Catalog=GHRELIEF;User "
         "ID=relief;Password=relief2023",
         "地形图库连接"},
        {"NotFreshGroupString", "现状", "不刷新的图层组"},
    };
    return settings;
}

const std::vector<SampleMenuEntry>& SampleMenu() {
    static const std::vector<SampleMenuEntry> menu = {
        {"0", "文件", true, false, -1, {}},
        {"00", "打开图纸", false, false, 101, {}},
        {"01", "", false, true, -1, {}},
        {"02", "导出", true, false, -1, {}},
        {"020", "导出DWG", false, false, 102, {}},
        {"021", "导出PDF", false, false, 103, {}},
        {"1", "规划设计", true, false, -1, {}},
        {"10", "道路设计", true, false, -1, {}},
        {"100", "绘制道路中心线", false, false, 201, {"GH_ZGDZXX", "GH_CGDZXX", "GH_ZLZXX"}},
        {"101", "生成道路红线", false, false, 202, {"GH_DLHX", "GH_DLBX"}},
        {"11", "管线设计", true, false, -1, {}},
        {"110", "布置给水管线", false, false, 301, {"GH_JSGX"}},
        {"111", "布置排水管线", false, false, 302, {"GH_YSGX", "GH_WSGX"}},
        {"2", "帮助", true, false, -1, {}},
        {"20", "关于", false, false, 901, {}},
    };
    return menu;
}

const std::vector<SampleSpecialty>& SampleSpecialties() {
    static const std::vector<SampleSpecialty> specialties = {
        {1, "用地", "LandUseMenu", {"GH_GHFWX", "GH_CSLX"}},
        {2, "道路", "RoadMenu", {"GH_ZGDZXX", "GH_DLHX", "GH_DLBX"}},
        {3, "管线", "PipeMenu", {"GH_JSGX", "GH_YSGX", "GH_WSGX"}},
    };
    return specialties;
}

const std::vector<SampleInfoURL>& SampleInfoURLs() {
    static const std::vector<SampleInfoURL> urls = {
        {"CaseInfo", "http://mis.planning.local/case/view.aspx?id=", "案卷信息"},
        {"ProjectInfo", "http://mis.planning.local/project/view.aspx?id=", "项目信息"},
    };
    return urls;
}

namespace {

// A failed step, named.
struct Failed {
    std::string step;
};

class ConfigurationStore {
public:
    explicit ConfigurationStore(CBaseClassAccess& access) : access_(access) {}

    void Store() {
        StoreSettings();
        Expect(access_.SetSysVersionCode(kSampleVersionCode), "storing the version code");
        ReadLayerIds();
        StoreMenu();
        StoreSpecialties();
        StoreInfoURLs();
    }

private:
    static void Expect(long status, const char* step) {
        if (status != 2)
            throw Failed{std::string(step) + " failed (status " + std::to_string(status) + ")"};
    }

    long LayerId(const char* name) const {
        const auto found = layerIds_.find(name);
        if (found == layerIds_.end()) throw Failed{std::string("there is no sample layer ") + name};
        return found->second;
    }

    void StoreSettings() {
        CArray<_tagCONFIGITEM, _tagCONFIGITEM&> items;
        // Stored from the last item to the first: listed backwards, they read in list order.
        for (auto setting = SampleSettings().rbegin(); setting != SampleSettings().rend();
             ++setting) {
            _tagCONFIGITEM item{setting->name, setting->value, setting->remark};
            items.Add(item);
        }
        Expect(access_.EditConfigItems(items), "storing the settings");
    }

    void ReadLayerIds() {
        CAutoReleaseArray<CGISLayer*, CGISLayer*> layers;
        Expect(access_.GetKidLayers(-1, layers, ""), "reading the sample layers");
        for (const CGISLayer* layer : layers)
            layerIds_.emplace(layer->LayerName.str(), layer->LayerID);
    }

    void StoreMenu() {
        CArray<CGHMainMenuItem, CGHMainMenuItem&> menu;
        for (const SampleMenuEntry& entry : SampleMenu()) {
            CGHMainMenuItem item;
            item.TreeCode = entry.treeCode;
            item.ItemName = entry.name;
            item.PopUp = entry.popUp;
            item.Separator = entry.separator;
            item.ItemID = menu.GetSize() + 1;
            item.FunctionID = entry.functionId;
            menu.Add(item);
            if (entry.layers.empty()) continue;
            CArray<CGHGisFun, CGHGisFun> links;
            for (const char* layer : entry.layers) {
                CGHGisFun link;
                link.FunID = entry.functionId;
                link.LayerID = LayerId(layer);
                links.Add(link);
            }
            Expect(access_.SetFunGisLayer(entry.functionId, links),
                   "assigning the layers of a menu function");
        }
        Expect(access_.SetAllMainMenuItem(menu), "storing the main menu");
    }

    void StoreSpecialties() {
        CArray<CGHSpecialty, CGHSpecialty&> specialties;
        CArray<CGHLayerSpecialty, CGHLayerSpecialty&> assignments;
        for (const SampleSpecialty& plan : SampleSpecialties()) {
            CGHSpecialty specialty;
            specialty.SpecialtyID = plan.id;
            specialty.SpecialtyName = plan.name;
            specialty.SpecialtyMenu = plan.menu;
            specialties.Add(specialty);
            for (const char* layer : plan.layers) {
                CGHLayerSpecialty assignment;
                assignment.LayerID = LayerId(layer);
                assignment.SpecialtyID = plan.id;
                assignments.Add(assignment);
            }
        }
        Expect(access_.SetAllSpecialty(specialties), "storing the specialties");
        Expect(access_.SetAllLayerSpecialty(assignments), "storing the layers of the specialties");
    }

    void StoreInfoURLs() {
        CMISInfoURLSet urls;
        for (const SampleInfoURL& plan : SampleInfoURLs()) {
            CMISInfoURL url;
            url.KeyName = plan.key;
            url.MISInfoURL = plan.url;
            url.Remark = plan.remark;
            urls.AddNew(url);
        }
        Expect(access_.EditAllMISInfoURL(urls), "storing the information URLs");
    }

    CBaseClassAccess& access_;
    std::map<std::string, long> layerIds_;
};

}  // namespace

std::string StoreSampleConfiguration(CBaseClassAccess& access) {
    try {
        ConfigurationStore(access).Store();
        return {};
    } catch (const Failed& failed) {
        return failed.step;
    }
}

}  // namespace ghdb::tool
