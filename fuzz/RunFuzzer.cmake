# Runs one fuzz target for SECONDS on a fresh work corpus (WORK) and the seeds matching PATTERNS
# ("|"-separated globs under DATA), copied into SEED_DIR. A failing input is kept in ARTIFACTS.
file(REMOVE_RECURSE ${WORK} ${SEED_DIR})
file(MAKE_DIRECTORY ${WORK} ${SEED_DIR} ${ARTIFACTS})
string(REPLACE "|" ";" patterns "${PATTERNS}")
foreach(pattern IN LISTS patterns)
    file(GLOB_RECURSE seeds LIST_DIRECTORIES false ${DATA}/${pattern})
    foreach(seed IN LISTS seeds)
        # Seeds from different folders may share a name; the relative path keeps them apart.
        file(RELATIVE_PATH relative ${DATA} ${seed})
        string(REPLACE "/" "_" flat "${relative}")
        configure_file(${seed} ${SEED_DIR}/${flat} COPYONLY)
    endforeach()
endforeach()
execute_process(
    COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
            -artifact_prefix=${ARTIFACTS}/ ${WORK} ${SEED_DIR}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the failing input is in ${ARTIFACTS}")
endif()
