#!/usr/bin/env bash
# Serves the LandXML export scenario, which runs under Wine and cannot start xmllint
# itself: when the driver puts a Windows path (Z:\...) in REQUESTS/validate.txt,
# validates that file against the schema with xmllint --noout --schema, writes its
# output to REQUESTS/xmllint.txt and then its exit status to REQUESTS/validated.
#   xml_checker.sh SCHEMA REQUESTS
# Runs until it is killed.
schema=$1 requests=$2
mkdir -p "$requests"
while :; do
    if [ -f "$requests/validate.txt" ]; then
        windows=$(cat "$requests/validate.txt")
        rm -f "$requests/validate.txt" "$requests/validated"
        file=${windows#Z:}
        file=${file//\\//}
        xmllint --noout --schema "$schema" "$file" >"$requests/xmllint.txt" 2>&1
        echo $? >"$requests/validated.tmp"
        mv "$requests/validated.tmp" "$requests/validated"
    fi
    sleep 0.1
done
