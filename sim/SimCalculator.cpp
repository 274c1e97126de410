// Anchor unit of the simulator library.
