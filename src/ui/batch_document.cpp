// Placeholder until the batch document lands.
