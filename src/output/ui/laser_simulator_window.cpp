// placeholder
namespace daved {}
