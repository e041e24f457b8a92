# The lists, the tool list, saving and the snapshot, against the sample data.
target_sources(e2e PRIVATE
    inventory_json.cpp
    inventory_lists_test.cpp
    inventory_menu.cpp
    inventory_rows.cpp
    inventory_sample_data.cpp
    inventory_selection_test.cpp
    list_view.cpp
    save_dialog.cpp
    save_log_test.cpp
    snapshot_test.cpp
    trace_log_test.cpp
)

tandrel_e2e_test(inventory_lists "Options/InventoryLists.*:AdditionalPackagesOption.*")
tandrel_e2e_test(list_selection "Rows/ListSelection.*")
tandrel_e2e_test(trace_log "TraceLog.*")
tandrel_e2e_test(save_log "Targets/SaveLog.*")
tandrel_e2e_test(snapshot "Snapshot.*")
