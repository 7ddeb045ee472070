#include "subjects/SiteLocation.h"

#include "frame/BaseClassAccess.h"

namespace ghdb {

const ColumnTable<CGISSiteLocation>& CGISSiteLocation::Columns() {
    static const ColumnTable<CGISSiteLocation> columns = {
        {"LocationName", &CGISSiteLocation::LocationName},
        {"SubLocationName", &CGISSiteLocation::SubLocationName},
        {"LayerID", &CGISSiteLocation::LayerID},
        {"FieldName", &CGISSiteLocation::FieldName},
    };
    return columns;
}

long CBaseClassAccess::GetSiteLocations(CArray<CGISSiteLocation, CGISSiteLocation&>& locations) {
    CGISSiteLocation working;
    return db_.ReadAllAsValues("SELECT * FROM GHGIS_SiteLocation", working, locations);
}

long CBaseClassAccess::EditSiteLocations(CArray<CGISSiteLocation, CGISSiteLocation&>& locations) {
    return db_.ReplaceAll("Delete FROM GHGIS_SiteLocation", "SELECT * FROM GHGIS_SiteLocation",
                          locations);
}

}  // namespace ghdb
