// Placeholder until the compiler lands; keeps the target buildable.
