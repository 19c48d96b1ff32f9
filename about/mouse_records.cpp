#include "about/mouse_records.h"

namespace discfront::about {

MouseRecords& SharedMouseRecords() {
  static MouseRecords records;
  return records;
}

}  // namespace discfront::about
