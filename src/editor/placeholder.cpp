namespace daved {}
