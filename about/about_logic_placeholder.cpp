// Replaced by the subsystem's portable logic.
namespace about {}
