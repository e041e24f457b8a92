# The lists, the tool list, saving and the snapshot, against the sample data.
