// Placeholder until the audio layer lands; keeps the target buildable.
