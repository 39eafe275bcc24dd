// Replaced by the subsystem's portable logic.
namespace lock {}
