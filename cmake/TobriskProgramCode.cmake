# The program's texts are UTF-8 in the source and Shift-JIS (code page 932) in the binary,
# as the program has always had them. Applies to src/ and to the tests of src/.
function(tobrisk_program_code target)
  target_compile_options(${target} PRIVATE -finput-charset=UTF-8 -fexec-charset=CP932)
endfunction()
