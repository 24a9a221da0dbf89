#include <ostream>

#include "online/serve.hpp"

namespace online {

int Serve(const ServeOptions&, std::ostream&, std::ostream& err) {
  err << "volleta serve: runs on Linux only" << std::endl;
  return 2;
}

}  // namespace online
