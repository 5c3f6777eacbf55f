#include "hydro/hydro_records.h"

namespace skelmora::app {

HydroRecords& ProgramHydroRecords() {
  static HydroRecords records;
  return records;
}

}  // namespace skelmora::app
