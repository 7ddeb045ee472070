#pragma once

#include <string>

namespace ghdb::bench {

// The benchmark tables on a PostgreSQL server (through either driver), filled by one statement
// each: the library's own inserts would take minutes for 100,000 rows over the network.

// Table GHB_Row made afresh and filled with rows 0 .. rows-1 of the sample.
void FillServerBenchTable(const std::string& connection, int rows);

// Every configuration table (kept when there), holding spatial database 1, group 1 with
// `layers` layers and group 2 with half as many, as the embedded GetKidLayers benchmark has
// them.
void FillServerKidLayers(const std::string& connection, int layers);

}  // namespace ghdb::bench
